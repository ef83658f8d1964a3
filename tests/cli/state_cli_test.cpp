#include <gtest/gtest.h>

#include <functional>

#include "../state/period_cases.h"
#include "../state/state_method_support.h"
#include "support/cli_runner.h"

namespace corvanta {
namespace {

using testing::EmployeeOnDisk;
using testing::Pay;

struct StateCliCase {
    const char* name;
    std::function<void(PayrollContext&)> setup;
    const char* hours;
    double expected;
    const char* week = "";  // the pay period date; empty: the program's today
};

void PrintTo(const StateCliCase& c, std::ostream* os) { *os << c.name; }

void biWeekly(PayrollContext& c) { testing::setPay(c.profile, Pay::BiWeekly); }

// Every built-in method selected through the employee's ".sta" and ".and" files and run by
// the command-line calculator.
const std::vector<StateCliCase>& cases() {
    static const std::vector<StateCliCase> all{
        {"Arizona",
         [](PayrollContext& c) {
             biWeekly(c);
             c.profile.HourlyRate = 12.5f;
             c.state.UseArizona = 1;
             c.state.SingleTable[0].Percent = 0.19f;
         },
         "80", 22.80},  // 19% of the federal 120.00
        {"Louisiana",
         [](PayrollContext& c) {
             biWeekly(c);
             c.profile.HourlyRate = 12.5f;
             c.state.UseLouisiana = 1;
             c.state.SingleAllowance[0] = 1;
             c.state.MarriedAllowance[0] = 0;
         },
         "80", 24.89},
        {"Iowa",
         [](PayrollContext& c) {
             biWeekly(c);
             c.profile.HourlyRate = 12.5f;
             c.state.UseIowa = 1;
         },
         "80", 37},
        {"Missouri",
         [](PayrollContext& c) {
             biWeekly(c);
             c.profile.HourlyRate = 12.5f;
             c.state.UseMissouri = 1;
         },
         "80", 32},
        {"Mass",
         [](PayrollContext& c) {
             biWeekly(c);
             c.profile.HourlyRate = 12.5f;
             c.profile.StateExemptions = 1;
             c.state.UseMass = 1;
         },
         "80", 39.99},
        {"Oregon",
         [](PayrollContext& c) {
             biWeekly(c);
             c.profile.HourlyRate = 12.5f;
             c.state.UseOregon = 1;
         },
         "80", 65.13},
        {"Utah",
         [](PayrollContext& c) {
             biWeekly(c);
             c.profile.StateExemptions = 2;
             c.state.UseUtah = 1;
         },
         "80", 14, "1/5/2008"},  // the schedule of periods before 2/1/2008
        {"Alabama",
         [](PayrollContext& c) {
             biWeekly(c);
             c.profile.HourlyRate = 14.25f;
             c.state.UseAlabama = 1;
         },
         "80", 41.68},
        {"Kentucky",
         [](PayrollContext& c) {
             biWeekly(c);
             c.profile.HourlyRate = 12.5f;
             c.profile.StateExemptions = 1;
             c.state.UseKentucky = 1;
         },
         "40", 16.47},
        {"Wisconsin",
         [](PayrollContext& c) {
             biWeekly(c);
             c.profile.HourlyRate = 12.5f;
             c.state.UseWisconsin = 1;
         },
         "80", 52.79},
        {"NC",
         [](PayrollContext& c) {
             biWeekly(c);
             c.profile.HourlyRate = 12.5f;
             c.state.UseNC = 1;
             c.state.RoundState = 1;
         },
         "80", 57},
    };
    return all;
}

class StateCliTest : public ::testing::TestWithParam<StateCliCase> {};

TEST_P(StateCliTest, CommandLineGivesTheMethodsFigure) {
    EmployeeOnDisk emp;
    const StateCliCase& c = GetParam();
    c.setup(emp.setup);
    emp.writeFiles();
    std::vector<std::string> args{"calc",   "--dir",    emp.folder.path().string(),
                                  "--user", "Emp",      "--straight",
                                  c.hours,  "--no-save"};
    if (*c.week != '\0') args.insert(args.end(), {"--week", c.week});
    const auto r = testing::runCli(args);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_DOUBLE_EQ(r.number("StateWithholding"), c.expected);
    // The same employee calculated in process gives the same figure.
    EXPECT_DOUBLE_EQ(emp.calculate(c.hours, c.week).result.StateWithholding, c.expected);
}

INSTANTIATE_TEST_SUITE_P(EveryMethod, StateCliTest, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return std::string(info.param.name); });

// The periods of the methods held to 2008 law, calculated by the command-line program.
class StatePeriodCliTest : public ::testing::TestWithParam<testing::PeriodCase> {};

TEST_P(StatePeriodCliTest, CommandLineShowsTheStateTax) {
    const testing::PeriodCase& c = GetParam();
    EmployeeOnDisk emp;
    testing::setUpPeriodCase(emp.setup, c);
    emp.writeFiles();
    // Without a date the period is dated as the engine tests date it.
    const char* week = *c.week != '\0' ? c.week : "1/5/2008";
    const auto r =
        testing::runCli({"calc", "--dir", emp.folder.path().string(), "--user", "Emp", "--straight",
                         testing::periodHours(c), "--week", week, "--no-save"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_DOUBLE_EQ(r.number("StateWithholding"), c.expected);
}

std::vector<testing::PeriodCase> allPeriodCases() {
    std::vector<testing::PeriodCase> all;
    for (const auto* list :
         {&testing::utahCases(), &testing::missouriCases(), &testing::alabamaCases(),
          &testing::northCarolinaCases(), &testing::oregonCases()}) {
        all.insert(all.end(), list->begin(), list->end());
    }
    return all;
}

std::string periodTestName(const ::testing::TestParamInfo<testing::PeriodCase>& info) {
    return std::string(testing::methodName(info.param.method)) + info.param.name;
}

INSTANTIATE_TEST_SUITE_P(StateLaw2008, StatePeriodCliTest, ::testing::ValuesIn(allPeriodCases()),
                         periodTestName);

}  // namespace
}  // namespace corvanta
