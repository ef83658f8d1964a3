#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "state_method_support.h"
#include "support/filing_status_of.h"

namespace corvanta::testing {

// One employee's pay period under a built-in state method, with the state tax the window
// shows. The pay is 80 hours (bi-weekly) or 40 hours (weekly) at the rate that makes `gross`.
struct PeriodCase {
    const char* name;
    StateMethodId method;
    Pay pay;
    const char* fedStatus;
    const char* stateStatus;
    int exemptions;
    int spouseWorks;
    bool roundState;
    float gross;
    const char* week;  // the pay period date box
    double expected;
};

inline const char* periodHours(const PeriodCase& c) { return c.pay == Pay::BiWeekly ? "80" : "40"; }

// The employee of a case, written into the setup context of an employee on disk.
inline void setUpPeriodCase(PayrollContext& setup, const PeriodCase& c) {
    setPay(setup.profile, c.pay);
    setup.profile.FedStatus = statusOf(c.fedStatus);
    setup.profile.StateStatus = statusOf(c.stateStatus);
    setup.profile.StateExemptions = c.exemptions;
    setup.profile.HourlyRate = c.gross / (c.pay == Pay::BiWeekly ? 80.0f : 40.0f);
    methodFlag(setup.state, c.method) = 1;
    setup.state.SpouseWorks = c.spouseWorks;
    setup.state.RoundState = c.roundState ? 1 : 0;
}

// The state tax of a case calculated in process.
inline double engineStateTax(const PeriodCase& c) {
    EmployeeOnDisk emp;
    setUpPeriodCase(emp.setup, c);
    return emp.calculate(periodHours(c), c.week).result.StateWithholding;
}

inline void PrintTo(const PeriodCase& c, std::ostream* os) { *os << c.name; }

inline std::string periodCaseName(const ::testing::TestParamInfo<PeriodCase>& info) {
    return info.param.name;
}

using Id = StateMethodId;
inline constexpr Pay kBi = Pay::BiWeekly;
inline constexpr Pay kWeekly = Pay::Weekly;

// Utah: the flat-rate formula for wages paid from 2/1/2008; an earlier period keeps the
// graduated schedule, whose worked examples stand.
inline const std::vector<PeriodCase>& utahCases() {
    static const std::vector<PeriodCase> cases{
        {"BiWeeklySingleNone", Id::Utah, kBi, "Single", "Single", 0, 0, false, 1000, "2/1/2008",
         47.38},
        {"BiWeeklyMarriedOne", Id::Utah, kBi, "Single", "Married", 1, 0, false, 1000, "7/18/2008",
         34.77},
        {"WeeklySingleOne", Id::Utah, kWeekly, "Single", "Single", 1, 0, false, 600, "7/18/2008",
         27.59},
        {"WeeklyMarriedTwo", Id::Utah, kWeekly, "Single", "Married", 2, 0, false, 900, "7/18/2008",
         40.18},
        {"DatedBeforeFebruary", Id::Utah, kBi, "Single", "Single", 0, 0, false, 1000, "1/11/2008",
         50.00},
        {"ScheduleLineFive", Id::Utah, kBi, "Single", "Single", 2, 0, false, 600, "1/5/2008",
         14.00},
        {"ScheduleTopLine", Id::Utah, kBi, "Single", "Single", 2, 0, false, 1600, "1/5/2008",
         80.00},
    };
    return cases;
}

// Missouri: the 10,000 federal deduction cap only for a married one-earner couple.
inline const std::vector<PeriodCase>& missouriCases() {
    static const std::vector<PeriodCase> cases{
        {"BiWeeklySingleOne", Id::Missouri, kBi, "Single", "Single", 1, 0, true, 5000, "", 264},
        {"BiWeeklySingleNone", Id::Missouri, kBi, "Single", "Single", 0, 0, true, 2000, "", 87},
        {"WeeklySingleNone", Id::Missouri, kWeekly, "Single", "Single", 0, 0, true, 800, "", 31},
        {"MarriedSpouseWorks", Id::Missouri, kBi, "Single", "Married", 2, 1, true, 2000, "", 82},
    };
    return cases;
}

// Alabama: a federal-single, state-married employee takes the married standard deduction.
inline const std::vector<PeriodCase>& alabamaCases() {
    static const std::vector<PeriodCase> cases{
        {"SingleMarriedNone", Id::Alabama, kBi, "Single", "Married", 0, 0, false, 1010, "", 25.53},
        {"SingleSingleOne", Id::Alabama, kBi, "Single", "Single", 1, 0, false, 1140, "", 40.72},
        {"SingleSingleBand1140", Id::Alabama, kBi, "Single", "Single", 0, 0, false, 1140, "",
         41.68},
    };
    return cases;
}

// North Carolina: 2,000 per allowance once the annual wage reaches the status's cutoff.
inline const std::vector<PeriodCase>& northCarolinaCases() {
    static const std::vector<PeriodCase> cases{
        {"BiWeeklyMarriedTwo", Id::NC, kBi, "Single", "Married", 2, 0, true, 3000, "", 193},
        {"BiWeeklySingleTwo", Id::NC, kBi, "Single", "Single", 2, 0, true, 2500, "", 151},
        {"WeeklySingleOne", Id::NC, kWeekly, "Single", "Single", 1, 0, true, 1200, "", 75},
        {"WeeklyBelowCutoff", Id::NC, kWeekly, "Single", "Single", 1, 0, true, 700, "", 39},
        {"BiWeeklySingleNone", Id::NC, kBi, "Single", "Single", 0, 0, true, 1000, "", 57},
    };
    return cases;
}

// Oregon: the first bracket is taxed at its rate.
inline const std::vector<PeriodCase>& oregonCases() {
    static const std::vector<PeriodCase> cases{
        {"BiWeeklyFirstBracket", Id::Oregon, kBi, "Single", "Single", 0, 0, false, 150, "", 3.75},
        {"WeeklyFirstBracket", Id::Oregon, kWeekly, "Single", "Single", 0, 0, false, 80, "", 2.10},
    };
    return cases;
}

}  // namespace corvanta::testing
