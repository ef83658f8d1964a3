// Utah, Oregon, Kentucky, Wisconsin and North Carolina: the bracket table with a state's own
// formula, on the values their setters write.
#include <gtest/gtest.h>

#include "period_cases.h"
#include "session/state/state_setters.h"
#include "state_method_support.h"
#include "support/case_names.h"
#include "tax/state/methods/kentucky.h"
#include "tax/state/methods/oregon.h"
#include "tax/state/methods/utah.h"
#include "tax/state/pay_date.h"

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

// Wage inputs of one table-state case; unused ones stay 0.
struct TableCase {
    const char* name;
    Pay pay;
    const char* status;
    int exemptions;
    float taxableGross;
    float gross;
    float fedWithholding;
    float cafeteria;
    float calAllowance;
    double expected;
};

void PrintTo(const TableCase& c, std::ostream* os) { *os << c.name; }

// Dated 1/5/2008, like the engine's periods, so Utah keeps its table.
double runTableCase(StateMethodId id, const TableCase& c) {
    PayrollContext ctx = stateContext(c.pay, c.status, c.exemptions);
    ctx.window.txtWeek = "1/5/2008";
    applySetter(ctx, id);
    ctx.state.CalAllowance = c.calAllowance;
    PayResult& r = ctx.result;
    r.TaxableGross = c.taxableGross;
    r.GrossPay = c.gross;
    r.FedWithholding = c.fedWithholding;
    r.StateCafeteriaReduction = c.cafeteria;
    runMethod(ctx, id);
    return shownState(ctx);
}

class Utah : public ::testing::TestWithParam<TableCase> {};
TEST_P(Utah, WholeWageTimesLineRate) {
    EXPECT_DOUBLE_EQ(runTableCase(StateMethodId::Utah, GetParam()), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    StateUtah, Utah,
    ::testing::Values(
        TableCase{"single_two_exemptions_600", Pay::BiWeekly, "Single", 2, 600, 0, 0, 0, 0, 14.00},
        // the top line allows no credit
        TableCase{"top_line_no_credit", Pay::BiWeekly, "Single", 2, 1600, 0, 0, 0, 0, 80.00},
        // a wage equal to a minimum takes that line
        TableCase{"wage_on_a_minimum", Pay::BiWeekly, "Single", 2, 565, 0, 0, 0, 0, 12.60},
        TableCase{"married_biweekly_1000", Pay::BiWeekly, "Married", 0, 1000, 0, 0, 0, 0, 30.00},
        TableCase{"cafeteria_reduction", Pay::BiWeekly, "Single", 2, 600, 0, 0, 100, 0, 5.00},
        // weekly halves the minimums; the weekly credit is 2 per exemption
        TableCase{"weekly_single_300", Pay::Weekly, "Single", 2, 300, 0, 0, 0, 0, 8.00},
        TableCase{"weekly_single_800", Pay::Weekly, "Single", 2, 800, 0, 0, 0, 0, 40.00}),
    testing::CaseName());

class UtahPeriod : public ::testing::TestWithParam<PeriodCase> {};
TEST_P(UtahPeriod, RuleOfThePayDate) {
    EXPECT_DOUBLE_EQ(engineStateTax(GetParam()), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(StateUtah, UtahPeriod, ::testing::ValuesIn(testing::utahCases()),
                         periodCaseName);

struct PayDateCase {
    const char* name;
    const char* text;
    bool flatRate;
};

void PrintTo(const PayDateCase& c, std::ostream* os) { *os << c.name; }

class UtahPayDate : public ::testing::TestWithParam<PayDateCase> {};
TEST_P(UtahPayDate, FormulaFromFebruaryFirst) {
    EXPECT_EQ(utahFlatRateApplies(readPayDate(GetParam().text)), GetParam().flatRate)
        << GetParam().text;
}
INSTANTIATE_TEST_SUITE_P(
    StateUtah, UtahPayDate,
    ::testing::Values(PayDateCase{"jan_31_2008", "1/31/2008", false},
                      PayDateCase{"feb_1_2008", "2/1/2008", true},
                      PayDateCase{"dec_31_2007", "12/31/2007", false},
                      PayDateCase{"feb_1_2008_zero_padded", "02/01/2008", true},
                      PayDateCase{"jan_5_2009", "1/5/2009", true},
                      // a saved period brings its date back padded
                      PayDateCase{"saved_period_padding", "1/5/2008  ", false},
                      // not a date: the formula
                      PayDateCase{"blank", "", true}, PayDateCase{"two_digit_year", "1/5/08", true},
                      PayDateCase{"feb_30_not_a_date", "2/30/2007", true},
                      PayDateCase{"month_13_not_a_date", "13/1/2007", true},
                      PayDateCase{"trailing_letter", "1/5/2007x", true},
                      PayDateCase{"dashes_not_a_date", "1-5-2007", true}),
    testing::CaseName());

TEST(StateUtahSet, CaptionTellsTheRuleOfThePayDate) {
    PayrollContext ctx = stateContext(Pay::BiWeekly);
    ctx.window.txtWeek = "1/31/2008";
    UtahSet(ctx);
    EXPECT_EQ(ctx.stateDialog.lbStateRule,
              "Utah: wages paid before 2/1/2008 are withheld by this table.");
    ctx.window.txtWeek = "2/1/2008";
    UtahSet(ctx);
    EXPECT_EQ(ctx.stateDialog.lbStateRule,
              "Utah: wages paid from 2/1/2008 are withheld by the 2008 formula; the table is not "
              "used.");
    ctx.window.txtWeek = "soon";
    UtahSet(ctx);
    EXPECT_EQ(ctx.stateDialog.lbStateRule,
              "Utah: the pay period date is not a date, so the 2008 formula applies; the table "
              "is not used.");
}

TEST(StateUtahSet, CreditsFollowTheFrequency) {
    PayrollContext bi = stateContext(Pay::BiWeekly);
    applySetter(bi, StateMethodId::Utah);
    EXPECT_FLOAT_EQ(bi.state.SingleAllowance[3], 15);
    EXPECT_FLOAT_EQ(bi.state.MarriedTable[6].MinRange, 3062);
    PayrollContext weekly = stateContext(Pay::Weekly);
    weekly.stateDialog.ckSpouse = 1;
    weekly.stateDialog.ckSpouseVisible = true;
    UtahSet(weekly);
    EXPECT_EQ(weekly.stateDialog.txtStateMarExp[9].text, "18");
    EXPECT_EQ(weekly.stateDialog.ckSpouse, 0);
    EXPECT_FALSE(weekly.stateDialog.ckSpouseVisible);
}

TEST(StateUtahEndToEnd, TwoExemptionsBiWeekly) {
    EmployeeOnDisk emp;  // default rate 7.5: 80 hours give 600
    testing::setPay(emp.setup.profile, Pay::BiWeekly);
    emp.setup.profile.StateExemptions = 2;
    emp.setup.state.UseUtah = 1;
    EXPECT_DOUBLE_EQ(emp.calculate("80").result.StateWithholding, 14.00);
}

TEST(StateUtahEndToEnd, WeeklyTopLine) {
    EmployeeOnDisk emp;
    emp.setup.profile.HourlyRate = 20;
    emp.setup.profile.StateExemptions = 2;
    emp.setup.state.UseUtah = 1;
    EXPECT_DOUBLE_EQ(emp.calculate("40").result.StateWithholding, 40.00);
}

class Oregon : public ::testing::TestWithParam<TableCase> {};
TEST_P(Oregon, GrossLessFederalAndStandardDeduction) {
    EXPECT_DOUBLE_EQ(runTableCase(StateMethodId::Oregon, GetParam()), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    StateOregon, Oregon,
    ::testing::Values(
        TableCase{"single_biweekly_1000", Pay::BiWeekly, "Single", 0, 0, 1000, 120, 0, 0, 65.13},
        // above the cap only the cap is deducted
        TableCase{"federal_above_cap", Pay::BiWeekly, "Single", 0, 0, 1000, 300, 0, 0, 56.55},
        // three exemptions: married table and credits
        TableCase{"three_exemptions_married_table", Pay::BiWeekly, "Single", 3, 0, 1000, 120, 0, 0,
                  37.88},
        TableCase{"two_exemptions", Pay::BiWeekly, "Single", 2, 0, 1000, 120, 0, 0, 52.13},
        TableCase{"single_biweekly_300", Pay::BiWeekly, "Single", 0, 0, 300, 10, 0, 0, 12.69},
        // line 1 is taxed at its rate, less the credit
        TableCase{"first_line_rate", Pay::BiWeekly, "Single", 0, 0, 150, 0, 0, 0, 3.99},
        TableCase{"first_line_credit_covers_tax", Pay::BiWeekly, "Single", 1, 0, 150, 0, 0, 0, 0},
        TableCase{"married_biweekly_300", Pay::BiWeekly, "Married", 0, 0, 300, 0, 0, 0, 7.98},
        TableCase{"single_weekly_500", Pay::Weekly, "Single", 0, 0, 500, 60, 0, 0, 33.02},
        TableCase{"married_weekly_1000", Pay::Weekly, "Married", 0, 0, 1000, 100, 0, 0, 66.93}),
    testing::CaseName());

class OregonPeriod : public ::testing::TestWithParam<PeriodCase> {};
TEST_P(OregonPeriod, FirstBracketTaxed) {
    EXPECT_DOUBLE_EQ(engineStateTax(GetParam()), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(StateOregon, OregonPeriod, ::testing::ValuesIn(testing::oregonCases()),
                         periodCaseName);

TEST(StateOregonSet, WeeklyFigures) {
    PayrollContext ctx = stateContext(Pay::Weekly);
    applySetter(ctx, StateMethodId::Oregon);
    EXPECT_FLOAT_EQ(ctx.state.SingleTable[1].MinRange, 55);
    EXPECT_FLOAT_EQ(ctx.state.SingleTable[2].Amount, 9);
    EXPECT_FLOAT_EQ(ctx.state.MarriedTable[2].MinRange, 275);
    EXPECT_FLOAT_EQ(ctx.state.MarriedTable[3].MinRange, 999999);
    EXPECT_FLOAT_EQ(ctx.state.SingleAllowance[9], 29.25f);
    EXPECT_EQ(ctx.stateDialog.Label21, "WEEKLY");
}

TEST(StateOregonSet, BiWeeklyFiguresAndStoredBoxes) {
    PayrollContext ctx = stateContext(Pay::BiWeekly);
    ctx.state.SdiPercent = 1.5f;
    applySetter(ctx, StateMethodId::Oregon);
    EXPECT_FLOAT_EQ(ctx.state.MarriedTable[1].MinRange, 219);
    EXPECT_FLOAT_EQ(ctx.state.MarriedTable[2].Amount, 34);
    EXPECT_FLOAT_EQ(ctx.state.SingleAllowance[1], 6.5f);
    EXPECT_EQ(ctx.stateDialog.txtSDIpercent, "1.5");
    EXPECT_EQ(ctx.stateDialog.Label21, "BIWEEKLY");
}

TEST(StateOregonEndToEnd, SingleBiWeekly) {
    EmployeeOnDisk emp;
    emp.setup.profile.HourlyRate = 12.5f;
    testing::setPay(emp.setup.profile, Pay::BiWeekly);
    emp.setup.state.UseOregon = 1;
    EXPECT_DOUBLE_EQ(emp.calculate("80").result.StateWithholding, 65.13);
}

class Kentucky : public ::testing::TestWithParam<TableCase> {};
TEST_P(Kentucky, CumulativeBrackets) {
    EXPECT_DOUBLE_EQ(runTableCase(StateMethodId::Kentucky, GetParam()), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    StateKentucky, Kentucky,
    ::testing::Values(
        TableCase{"single_one_exemption_500", Pay::BiWeekly, "Single", 1, 0, 500, 0, 0, 0, 16.47},
        TableCase{"single_150", Pay::BiWeekly, "Single", 0, 0, 150, 0, 0, 0, 1.38},
        TableCase{"married_220", Pay::BiWeekly, "Married", 0, 0, 220, 0, 0, 0, 3.02},
        TableCase{"single_250", Pay::BiWeekly, "Single", 0, 0, 250, 0, 0, 0, 4.08},
        TableCase{"single_top_bracket", Pay::BiWeekly, "Single", 0, 0, 3500, 0, 0, 0, 192.31},
        TableCase{"weekly_two_exemptions_300", Pay::Weekly, "Single", 2, 0, 300, 0, 0, 0, 10.75}),
    testing::CaseName());

TEST(StateKentuckySet, WeeklyFigures) {
    PayrollContext ctx = stateContext(Pay::Weekly);
    applySetter(ctx, StateMethodId::Kentucky);
    EXPECT_FLOAT_EQ(ctx.state.SingleTable[3].MinRange, 153.85f);
    EXPECT_FLOAT_EQ(ctx.state.MarriedTable[5].MinRange, 2884.61f);
    EXPECT_FLOAT_EQ(ctx.state.MarriedTable[0].Amount, 40.3846f);
    EXPECT_FLOAT_EQ(ctx.state.SingleTable[6].MinRange, 999999);
    EXPECT_FLOAT_EQ(ctx.state.SingleAllowance[9], 3.462f);
}

TEST(StateKentuckyEndToEnd, OneExemptionBiWeekly) {
    EmployeeOnDisk emp;
    emp.setup.profile.HourlyRate = 12.5f;
    testing::setPay(emp.setup.profile, Pay::BiWeekly);
    emp.setup.profile.StateExemptions = 1;
    emp.setup.state.UseKentucky = 1;
    EXPECT_DOUBLE_EQ(emp.calculate("40").result.StateWithholding, 16.47);
}

class Wisconsin : public ::testing::TestWithParam<TableCase> {};
TEST_P(Wisconsin, TableLessCredit) {
    EXPECT_DOUBLE_EQ(runTableCase(StateMethodId::Wisconsin, GetParam()), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    StateWisconsin, Wisconsin,
    ::testing::Values(TableCase{"single_1000", Pay::BiWeekly, "Single", 0, 1000, 0, 0, 0, 0, 52.79},
                      TableCase{"single_two_exemptions_1000", Pay::BiWeekly, "Single", 2, 1000, 0,
                                0, 0, 0, 51.09},
                      TableCase{"married_610", Pay::BiWeekly, "Married", 0, 610, 0, 0, 0, 0, 20.20},
                      // weekly halves minimums, amounts and the credit
                      TableCase{"weekly_two_exemptions_500", Pay::Weekly, "Single", 2, 500, 0, 0, 0,
                                0, 25.54},
                      // but not the California allowance
                      TableCase{"weekly_california_allowance_not_halved", Pay::Weekly, "Single", 2,
                                550, 0, 0, 0, 50, 25.54}),
    testing::CaseName());

TEST(StateWisconsinEndToEnd, SingleBiWeekly) {
    EmployeeOnDisk emp;
    emp.setup.profile.HourlyRate = 12.5f;
    testing::setPay(emp.setup.profile, Pay::BiWeekly);
    emp.setup.state.UseWisconsin = 1;
    EXPECT_DOUBLE_EQ(emp.calculate("80").result.StateWithholding, 52.79);
}

TEST(StateWisconsinEndToEnd, CaliforniaAllowanceFromTheAndFile) {
    EmployeeOnDisk emp;
    emp.setup.profile.HourlyRate = 13.75f;  // weekly 550
    emp.setup.profile.StateExemptions = 2;
    emp.setup.state.UseWisconsin = 1;
    emp.setup.state.CalAllowance = 50;
    EXPECT_DOUBLE_EQ(emp.calculate("40").result.StateWithholding, 25.54);
}

class NorthCarolina : public ::testing::TestWithParam<TableCase> {};
TEST_P(NorthCarolina, RateLessLineAmount) {
    EXPECT_DOUBLE_EQ(runTableCase(StateMethodId::NC, GetParam()), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    StateNorthCarolina, NorthCarolina,
    ::testing::Values(
        TableCase{"single_1000", Pay::BiWeekly, "Single", 0, 1000, 0, 0, 0, 0, 57.02},
        TableCase{"single_one_allowance_1000", Pay::BiWeekly, "Single", 1, 1000, 0, 0, 0, 0, 50.29},
        TableCase{"married_600", Pay::BiWeekly, "Married", 0, 600, 0, 0, 0, 0, 29.84},
        TableCase{"cafeteria_and_california_allowance", Pay::BiWeekly, "Single", 0, 1000, 0, 0, 30,
                  20, 53.52},
        TableCase{"weekly_single_500", Pay::Weekly, "Single", 0, 500, 0, 0, 0, 0, 28.51},
        // weekly halves the allowance in the wage
        TableCase{"weekly_two_allowances", Pay::Weekly, "Single", 2, 500, 0, 0, 0, 0, 21.78},
        // from an annual 60,000 single, 50,000 married, an allowance is 76.92
        TableCase{"single_below_annual_cutoff", Pay::BiWeekly, "Single", 1, 2307.69f, 0, 0, 0, 0,
                  141.83},
        TableCase{"single_at_annual_cutoff", Pay::BiWeekly, "Single", 1, 2307.70f, 0, 0, 0, 0,
                  143.17},
        TableCase{"married_below_annual_cutoff", Pay::BiWeekly, "Married", 1, 1923.07f, 0, 0, 0, 0,
                  115.72},
        TableCase{"married_at_annual_cutoff", Pay::BiWeekly, "Married", 1, 1923.08f, 0, 0, 0, 0,
                  117.07}),
    testing::CaseName());

class NorthCarolinaPeriod : public ::testing::TestWithParam<PeriodCase> {};
TEST_P(NorthCarolinaPeriod, AllowanceByAnnualWage) {
    EXPECT_DOUBLE_EQ(engineStateTax(GetParam()), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(StateNorthCarolina, NorthCarolinaPeriod,
                         ::testing::ValuesIn(testing::northCarolinaCases()), periodCaseName);

TEST(StateNorthCarolina, LineNineUsesItsOwnRange) {
    PayrollContext ctx = stateContext(Pay::BiWeekly);
    for (int k = 0; k < kTableLines; ++k) {
        ctx.state.SingleTable[k] = {100.0f * k, 0, (k + 1) / 100.0f};
    }
    const std::array<std::pair<float, double>, 3> cases{
        {{850, 76.50}, {899.99f, 80.9991}, {900, 90.00}}};
    for (const auto& [wage, expected] : cases) {
        ctx.result.TaxableGross = wage;
        EXPECT_NEAR(runMethod(ctx, StateMethodId::NC), expected, 1e-4) << wage;
    }
}

TEST(StateNorthCarolinaEndToEnd, RoundedToWholeDollars) {
    EmployeeOnDisk emp;
    emp.setup.profile.HourlyRate = 12.5f;
    testing::setPay(emp.setup.profile, Pay::BiWeekly);
    emp.setup.state.UseNC = 1;
    emp.setup.state.RoundState = 1;
    EXPECT_DOUBLE_EQ(emp.calculate("80").result.StateWithholding, 57.00);
}

}  // namespace
}  // namespace corvanta
