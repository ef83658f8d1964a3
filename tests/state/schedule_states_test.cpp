// Iowa, Missouri and Alabama: fixed schedules on the wage less federal withholding.
#include <gtest/gtest.h>

#include "period_cases.h"
#include "session/state/state_setters.h"
#include "state_method_support.h"
#include "support/case_names.h"
#include "support/filing_status_of.h"
#include "tax/state/methods/alabama.h"
#include "tax/state/methods/iowa.h"
#include "tax/state/methods/missouri.h"

namespace corvanta {
namespace {

using testing::applySetter;
using testing::EmployeeOnDisk;
using testing::engineStateTax;
using testing::Pay;
using testing::PeriodCase;
using testing::periodCaseName;
using testing::runMethod;
using testing::shownState;
using testing::stateContext;

struct IowaCase {
    const char* name;
    Pay pay;
    int exemptions;
    float taxableGross;
    float fedWithholding;
    double cents;    // before "Round State"
    double dollars;  // as shown
};

void PrintTo(const IowaCase& c, std::ostream* os) { *os << c.name; }

class Iowa : public ::testing::TestWithParam<IowaCase> {};

TEST_P(Iowa, ScheduleLessCredit) {
    const IowaCase& c = GetParam();
    PayrollContext ctx = stateContext(c.pay, "Single", c.exemptions);
    applySetter(ctx, StateMethodId::Iowa);
    ctx.result.TaxableGross = c.taxableGross;
    ctx.result.FedWithholding = c.fedWithholding;
    runMethod(ctx, StateMethodId::Iowa);
    EXPECT_EQ(ctx.state.RoundState, 1);
    EXPECT_DOUBLE_EQ(shownState(ctx), c.dollars);
    ctx.state.RoundState = 0;
    EXPECT_DOUBLE_EQ(shownState(ctx), c.cents);
}

INSTANTIATE_TEST_SUITE_P(
    StateIowa, Iowa,
    ::testing::Values(IowaCase{"single_biweekly_none", Pay::BiWeekly, 0, 1000, 120, 36.89, 37},
                      IowaCase{"biweekly_two_exemptions", Pay::BiWeekly, 2, 1000, 100, 29.12, 29},
                      IowaCase{"weekly_one_exemption", Pay::Weekly, 1, 500, 60, 17.68, 18},
                      // a wage below the deduction: nothing
                      IowaCase{"wage_below_deduction", Pay::BiWeekly, 0, 50, 0, 0, 0}),
    testing::CaseName());

struct ScheduleCase {
    const char* name;
    Pay pay;
    float wage;
    double tax;
};

void PrintTo(const ScheduleCase& c, std::ostream* os) { *os << c.name; }

class IowaSchedule : public ::testing::TestWithParam<ScheduleCase> {};

// With no deductions the wage is the schedule's input.
TEST_P(IowaSchedule, BoundsBelongToTheLowerBracket) {
    const ScheduleCase& c = GetParam();
    PayrollContext ctx = stateContext(c.pay);
    ctx.result.TaxableGross = c.wage;
    EXPECT_NEAR(runMethod(ctx, StateMethodId::Iowa), c.tax, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(
    StateIowa, IowaSchedule,
    ::testing::Values(ScheduleCase{"biweekly_50", Pay::BiWeekly, 50, 0.18},
                      ScheduleCase{"biweekly_100", Pay::BiWeekly, 100, 0.54},
                      ScheduleCase{"biweekly_200", Pay::BiWeekly, 200, 2.97},
                      ScheduleCase{"biweekly_450", Pay::BiWeekly, 450, 14.22},
                      ScheduleCase{"biweekly_750", Pay::BiWeekly, 750, 32.58},
                      ScheduleCase{"biweekly_1000", Pay::BiWeekly, 1000, 48.78},
                      ScheduleCase{"biweekly_1500", Pay::BiWeekly, 1500, 82.78},
                      ScheduleCase{"biweekly_2250", Pay::BiWeekly, 2250, 142.18},
                      // the top bracket continues from its lower bound
                      ScheduleCase{"biweekly_top_bracket", Pay::BiWeekly, 3000, 209.53},
                      ScheduleCase{"weekly_25", Pay::Weekly, 25, 0.09},
                      ScheduleCase{"weekly_225", Pay::Weekly, 225, 7.11},
                      ScheduleCase{"weekly_1125", Pay::Weekly, 1125, 71.09},
                      ScheduleCase{"weekly_1500", Pay::Weekly, 1500, 104.765}),
    testing::CaseName());

TEST(StateIowaSet, DeductionsAndCreditsByFrequency) {
    PayrollContext bi = stateContext(Pay::BiWeekly);
    applySetter(bi, StateMethodId::Iowa);
    EXPECT_FLOAT_EQ(bi.state.SingleAllowance[1], 63.46f);
    EXPECT_FLOAT_EQ(bi.state.SingleAllowance[2], 156.15f);
    EXPECT_FLOAT_EQ(bi.state.MarriedAllowance[9], 13.86f);
    EXPECT_FLOAT_EQ(bi.state.SingleTable[0].MinRange, 999999);
    EXPECT_FALSE(bi.stateDialog.txtStateMinBS[0].enabled);
    EXPECT_FALSE(bi.stateDialog.biWeeklyCaptionsVisible);
    EXPECT_EQ(bi.stateDialog.Label14, "Standard");
    EXPECT_EQ(bi.stateDialog.Label15, "Credit");
    PayrollContext weekly = stateContext(Pay::Weekly);
    applySetter(weekly, StateMethodId::Iowa);
    EXPECT_FLOAT_EQ(weekly.state.SingleAllowance[0], 31.73f);
    EXPECT_FLOAT_EQ(weekly.state.SingleAllowance[5], 78.08f);
    EXPECT_FLOAT_EQ(weekly.state.MarriedAllowance[9], 6.93f);
}

TEST(StateIowaEndToEnd, BiWeeklyRoundedToDollars) {
    EmployeeOnDisk emp;
    emp.setup.profile.HourlyRate = 12.5f;
    testing::setPay(emp.setup.profile, Pay::BiWeekly);
    emp.setup.state.UseIowa = 1;
    EXPECT_DOUBLE_EQ(emp.calculate("80").result.StateWithholding, 37);
}

TEST(StateIowaEndToEnd, WeeklyOneExemption) {
    EmployeeOnDisk emp;
    emp.setup.profile.HourlyRate = 12.5f;
    emp.setup.profile.StateExemptions = 1;
    emp.setup.state.UseIowa = 1;
    EXPECT_DOUBLE_EQ(emp.calculate("40").result.StateWithholding, 18);
}

struct MissouriCase {
    const char* name;
    Pay pay;
    const char* status;
    int spouseWorks;
    int exemptions;
    float taxableGross;
    float fedWithholding;
    double cents;
    double dollars;
};

void PrintTo(const MissouriCase& c, std::ostream* os) { *os << c.name; }

class Missouri : public ::testing::TestWithParam<MissouriCase> {};

TEST_P(Missouri, ScheduleAfterDeductions) {
    const MissouriCase& c = GetParam();
    PayrollContext ctx = stateContext(c.pay, c.status, c.exemptions);
    ctx.state.SpouseWorks = c.spouseWorks;
    ctx.stateDialog.ckSpouse = c.spouseWorks;
    MissouriSet(ctx);
    captureStateDialog(ctx.stateDialog, ctx.state);
    ctx.result.TaxableGross = c.taxableGross;
    ctx.result.FedWithholding = c.fedWithholding;
    runMethod(ctx, StateMethodId::Missouri);
    EXPECT_DOUBLE_EQ(shownState(ctx), c.dollars);
    ctx.state.RoundState = 0;
    EXPECT_DOUBLE_EQ(shownState(ctx), c.cents);
}

INSTANTIATE_TEST_SUITE_P(
    StateMissouri, Missouri,
    ::testing::Values(
        MissouriCase{"single_biweekly", Pay::BiWeekly, "Single", 0, 0, 1000, 150, 29.76, 30},
        // above the cap only the cap is deducted: 192.3077 single
        MissouriCase{"single_above_cap", Pay::BiWeekly, "Single", 0, 0, 2000, 400, 87.22, 87},
        // and 384.6154 for a married employee whose spouse does not work
        MissouriCase{"married_one_earner_above_cap", Pay::BiWeekly, "Married", 0, 0, 2000, 400,
                     63.11, 63},
        MissouriCase{"married_spouse_works", Pay::BiWeekly, "Married", 1, 0, 1000, 150, 29.76, 30},
        MissouriCase{"married_spouse_works_two_exemptions", Pay::BiWeekly, "Married", 1, 2, 1000,
                     150, 24.22, 24},
        MissouriCase{"married_one_earner", Pay::BiWeekly, "Married", 0, 0, 1000, 150, 17.18, 17},
        MissouriCase{"single_weekly_one_exemption", Pay::Weekly, "Single", 0, 1, 500, 60, 14.23,
                     14},
        // the weekly cap of every filer but a one-earner couple is 96.15385
        MissouriCase{"weekly_single_spouse_box_above_cap", Pay::Weekly, "Single", 1, 1, 500, 100,
                     12.06, 12},
        MissouriCase{"weekly_single_above_cap", Pay::Weekly, "Single", 0, 1, 500, 100, 12.06, 12},
        MissouriCase{"weekly_married_spouse_works_above_cap", Pay::Weekly, "Married", 1, 1, 500,
                     100, 12.06, 12}),
    testing::CaseName());

class MissouriSchedule : public ::testing::TestWithParam<ScheduleCase> {};

TEST_P(MissouriSchedule, BracketBounds) {
    const ScheduleCase& c = GetParam();
    PayrollContext ctx = stateContext(c.pay);
    ctx.result.TaxableGross = c.wage;
    EXPECT_NEAR(runMethod(ctx, StateMethodId::Missouri), c.tax, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(
    StateMissouri, MissouriSchedule,
    ::testing::Values(ScheduleCase{"biweekly_38_50", Pay::BiWeekly, 38.5f, 0.5775},
                      ScheduleCase{"biweekly_192_50", Pay::BiWeekly, 192.5f, 4.8125},
                      ScheduleCase{"biweekly_346_50", Pay::BiWeekly, 346.5f, 12.1275},
                      ScheduleCase{"weekly_20", Pay::Weekly, 20, 0.3},
                      ScheduleCase{"weekly_90", Pay::Weekly, 90, 2.15},
                      ScheduleCase{"weekly_180", Pay::Weekly, 180, 6.3}),
    testing::CaseName());

TEST(StateMissouriSet, StandardDeductionAndAllowances) {
    PayrollContext married = stateContext(Pay::BiWeekly, "Married");
    MissouriSet(married);
    EXPECT_EQ(married.stateDialog.txtStateSgExp[7].text, "419.23");
    EXPECT_EQ(married.stateDialog.txtStateMarExp[9].text, "415.35");
    EXPECT_EQ(married.stateDialog.ckRoundOff, 1);
    PayrollContext weekly = stateContext(Pay::Weekly, "Married");
    weekly.stateDialog.ckSpouse = 1;
    MissouriSet(weekly);
    EXPECT_EQ(weekly.stateDialog.txtStateSgExp[0].text, "104.81");
    EXPECT_EQ(weekly.stateDialog.txtStateMarExp[3].text, "69.24");
    EXPECT_EQ(weekly.stateDialog.Label15, "W4 Allowance");
}

class MissouriPeriod : public ::testing::TestWithParam<PeriodCase> {};
TEST_P(MissouriPeriod, CapByStatus) {
    EXPECT_DOUBLE_EQ(engineStateTax(GetParam()), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(StateMissouri, MissouriPeriod,
                         ::testing::ValuesIn(testing::missouriCases()), periodCaseName);

TEST(StateMissouriEndToEnd, RoundedEvenWithoutRoundStateSaved) {
    EmployeeOnDisk emp;
    emp.setup.profile.HourlyRate = 12.5f;
    testing::setPay(emp.setup.profile, Pay::BiWeekly);
    emp.setup.state.UseMissouri = 1;
    // federal 120: 1000 - 120 - 209.62 = 670.38, 12.1275 + 323.88 x 6% = 31.5603
    EXPECT_DOUBLE_EQ(emp.calculate("80").result.StateWithholding, 32);
}

struct AlabamaCase {
    const char* name;
    Pay pay;
    const char* fedStatus;
    const char* stateStatus;
    int dependents;
    float gross;
    float fedWithholding;
    double expected;
};

void PrintTo(const AlabamaCase& c, std::ostream* os) { *os << c.name; }

class Alabama : public ::testing::TestWithParam<AlabamaCase> {};

TEST_P(Alabama, SlidingDeductionsAndBrackets) {
    const AlabamaCase& c = GetParam();
    PayrollContext ctx = stateContext(c.pay, c.stateStatus, c.dependents);
    ctx.profile.FedStatus = statusOf(c.fedStatus);
    ctx.result.GrossPay = c.gross;
    ctx.result.FedWithholding = c.fedWithholding;
    testing::compute(ctx, GetAlabama);
    EXPECT_DOUBLE_EQ(shownState(ctx), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    StateAlabama, Alabama,
    ::testing::Values(
        // single/single bi-weekly: standard deduction 96.15, 95.19, 93.27, 76.92 by band
        AlabamaCase{"band_769", Pay::BiWeekly, "Single", "Single", 0, 769.23f, 0, 29.23},
        AlabamaCase{"band_780", Pay::BiWeekly, "Single", "Single", 0, 780, 0, 29.82},
        AlabamaCase{"band_810", Pay::BiWeekly, "Single", "Single", 0, 810, 0, 31.41},
        AlabamaCase{"band_1140", Pay::BiWeekly, "Single", "Single", 0, 1140, 0, 48.73},
        AlabamaCase{"band_1140_with_federal", Pay::BiWeekly, "Single", "Single", 0, 1140, 100,
                    43.73},
        AlabamaCase{"pay_2000", Pay::BiWeekly, "Single", "Single", 0, 2000, 0, 91.73},
        // 2% bracket
        AlabamaCase{"two_percent_bracket", Pay::BiWeekly, "Single", "Single", 0, 160, 0, 0.12},
        // federal single, state married: the married scale (step 12, 207.69)
        AlabamaCase{"federal_single_state_married", Pay::BiWeekly, "Single", "Married", 2, 1000,
                    100, 23.85},
        // married/married: 4% runs up to a3 = 230.77
        AlabamaCase{"married_four_percent_bracket", Pay::BiWeekly, "Married", "Married", 1, 700, 50,
                    7.54},
        AlabamaCase{"federal_married_state_single", Pay::BiWeekly, "Married", "Single", 0, 400, 20,
                    7.70},
        // weekly: 500 is the upper bound of step 12 (42.31), just above is step 13 (41.83)
        AlabamaCase{"weekly_step_12_bound", Pay::Weekly, "Single", "Single", 0, 500, 60, 17.67},
        AlabamaCase{"weekly_step_13", Pay::Weekly, "Single", "Single", 0, 500.01f, 60, 17.70},
        // above 100000 a year a dependent is worth 11.54 bi-weekly
        AlabamaCase{"dependents_above_100000_a_year", Pay::BiWeekly, "Single", "Single", 3, 4000, 0,
                    190.00}),
    testing::CaseName());

TEST(StateAlabama, NoStepWhereTheFivePercentBracketStarts) {
    // single/single bi-weekly: T = G - 96.15 - 57.69, so G = 269.22 puts T on a3 = 115.38
    PayrollContext ctx = stateContext(Pay::BiWeekly, "Single");
    auto tax = [&](float gross) {
        ctx.result.GrossPay = gross;
        testing::compute(ctx, GetAlabama);
        return ctx.result.StateWithholding;
    };
    EXPECT_NEAR(tax(269.22f), 19.23 * 0.02 + (115.38 - 19.23) * 0.04, 1e-4);
    EXPECT_NEAR(tax(269.23f) - tax(269.21f), 0.0009, 2e-4);
    // between a2 (96.15) and a3 the 4% bracket applies
    EXPECT_NEAR(tax(253.84f), 19.23 * 0.02 + (100 - 19.23) * 0.04, 1e-4);
}

TEST(StateAlabamaSet, EveryCellZeroAndLocked) {
    PayrollContext ctx = stateContext(Pay::BiWeekly);
    applySetter(ctx, StateMethodId::Alabama);
    EXPECT_EQ(ctx.stateDialog.txtStateMinBS[9].text, "0");
    EXPECT_FALSE(ctx.stateDialog.txtStateMinBS[9].enabled);
    EXPECT_FALSE(ctx.stateDialog.txtStateMarExp[0].enabled);
    EXPECT_FLOAT_EQ(ctx.state.SingleAllowance[0], 0);
    EXPECT_FLOAT_EQ(ctx.state.MarriedTable[4].MinRange, 0);
}

class AlabamaPeriod : public ::testing::TestWithParam<PeriodCase> {};
TEST_P(AlabamaPeriod, StandardDeductionByStatuses) {
    EXPECT_DOUBLE_EQ(engineStateTax(GetParam()), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(StateAlabama, AlabamaPeriod, ::testing::ValuesIn(testing::alabamaCases()),
                         periodCaseName);

TEST(StateAlabamaEndToEnd, SingleBiWeekly) {
    EmployeeOnDisk emp;
    emp.setup.profile.HourlyRate = 14.25f;  // 80 hours: 1140; federal 141.00
    testing::setPay(emp.setup.profile, Pay::BiWeekly);
    emp.setup.state.UseAlabama = 1;
    EXPECT_DOUBLE_EQ(emp.calculate("80").result.StateWithholding, 41.68);
}

}  // namespace
}  // namespace corvanta
