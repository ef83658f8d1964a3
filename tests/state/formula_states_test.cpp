// Arizona, Louisiana and Massachusetts: formula methods on federal withholding or gross pay.
#include <gtest/gtest.h>

#include "session/state/state_setters.h"
#include "state_method_support.h"
#include "support/case_names.h"
#include "tax/state/methods/arizona.h"
#include "tax/state/methods/louisiana.h"
#include "tax/state/methods/massachusetts.h"

namespace corvanta {
namespace {

using testing::applySetter;
using testing::EmployeeOnDisk;
using testing::Pay;
using testing::runMethod;
using testing::shownState;
using testing::stateContext;

struct ArizonaCase {
    const char* name;
    Pay pay;
    const char* status;
    float fedWithholding;
    double expected;
};

void PrintTo(const ArizonaCase& c, std::ostream* os) { *os << c.name; }

class Arizona : public ::testing::TestWithParam<ArizonaCase> {};

TEST_P(Arizona, PercentOfFederalWithholding) {
    const ArizonaCase& c = GetParam();
    PayrollContext ctx = stateContext(c.pay, c.status);
    ctx.state.SingleTable[0].Percent = 0.19f;
    ctx.state.MarriedTable[0].Percent = 0.27f;
    applySetter(ctx, StateMethodId::Arizona);
    ctx.result.FedWithholding = c.fedWithholding;
    runMethod(ctx, StateMethodId::Arizona);
    EXPECT_DOUBLE_EQ(shownState(ctx), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    StateArizona, Arizona,
    ::testing::Values(ArizonaCase{"single_biweekly", Pay::BiWeekly, "Single", 120, 22.80},
                      ArizonaCase{"single_weekly", Pay::Weekly, "Single", 120, 22.80},
                      ArizonaCase{"married_biweekly", Pay::BiWeekly, "Married", 100, 27.00},
                      ArizonaCase{"married_weekly", Pay::Weekly, "Married", 100, 27.00},
                      ArizonaCase{"no_federal_withholding", Pay::BiWeekly, "Single", 0, 0}),
    testing::CaseName());

TEST(StateArizonaSet, KeepsOnlyTheStoredLineOneRates) {
    PayrollContext ctx = stateContext(Pay::BiWeekly);
    ctx.state.SingleTable[0].Percent = 0.19f;
    ctx.state.MarriedTable[0].Percent = 0.27f;
    ctx.stateDialog.Label14 = "Standard";
    ArizonaSet(ctx);
    const StateDialogModel& d = ctx.stateDialog;
    EXPECT_EQ(d.txtStatePerBS[0].text, "0.19");
    EXPECT_EQ(d.txtStatePerBM[0].text, "0.27");
    EXPECT_TRUE(d.txtStatePerBS[0].enabled);
    EXPECT_TRUE(d.txtStatePerBM[0].enabled);
    EXPECT_FALSE(d.txtStateMinBS[0].enabled);
    EXPECT_EQ(d.txtStateMinBS[0].text, "999999");
    EXPECT_EQ(d.txtStatePerBS[1].text, "0");
    EXPECT_EQ(d.txtStateSgExp[3].text, "0");
    EXPECT_FALSE(d.txtStateMarExp[3].enabled);
    EXPECT_EQ(d.Label14, "Single");
    EXPECT_EQ(d.Label21, "BiWeekly");
}

TEST(StateArizonaEndToEnd, AdditionalFederalAmountIsNotTaxed) {
    EmployeeOnDisk emp;
    emp.setup.profile.HourlyRate = 12.5f;
    testing::setPay(emp.setup.profile, Pay::BiWeekly);
    emp.setup.profile.FedAddWithholding = 20;
    emp.setup.state.UseArizona = 1;
    emp.setup.state.SingleTable[0].Percent = 0.19f;
    const PayrollContext& ctx = emp.calculate("80");  // 1000.00; federal (1000 - 396) x 15% + 29.40
    EXPECT_FLOAT_EQ(ctx.result.FedWithholding, 140.00f);
    EXPECT_DOUBLE_EQ(ctx.result.StateWithholding, 22.80);
}

TEST(StateArizonaEndToEnd, FederallyExemptPaysNoState) {
    EmployeeOnDisk emp;
    emp.setup.profile.HourlyRate = 12.5f;
    testing::setPay(emp.setup.profile, Pay::BiWeekly);
    emp.setup.profile.FedExempt = 1;
    emp.setup.state.UseArizona = 1;
    emp.setup.state.SingleTable[0].Percent = 0.19f;
    EXPECT_DOUBLE_EQ(emp.calculate("80").result.StateWithholding, 0);
}

struct LouisianaCase {
    const char* name;
    Pay pay;
    float personal;    // first single allowance cell
    float dependents;  // first married allowance cell
    float gross;
    double expected;
};

void PrintTo(const LouisianaCase& c, std::ostream* os) { *os << c.name; }

class Louisiana : public ::testing::TestWithParam<LouisianaCase> {};

TEST_P(Louisiana, TwoRatesLessCredits) {
    const LouisianaCase& c = GetParam();
    PayrollContext ctx = stateContext(c.pay);
    ctx.state.SingleAllowance[0] = c.personal;
    ctx.state.MarriedAllowance[0] = c.dependents;
    ctx.result.GrossPay = c.gross;
    runMethod(ctx, StateMethodId::Louisiana);
    EXPECT_DOUBLE_EQ(shownState(ctx), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    StateLouisiana, Louisiana,
    ::testing::Values(
        LouisianaCase{"biweekly_one_personal", Pay::BiWeekly, 1, 0, 1000, 24.89},
        // two personal exemptions double both thresholds
        LouisianaCase{"biweekly_two_personal", Pay::BiWeekly, 2, 0, 1000, 14.25},
        // counts are rounded halves to even: 2.5 and 1.5 both count 2
        LouisianaCase{"biweekly_two_and_half_personal", Pay::BiWeekly, 2.5f, 0, 1000, 14.25},
        LouisianaCase{"biweekly_one_and_half_personal", Pay::BiWeekly, 1.5f, 0, 1000, 14.25},
        LouisianaCase{"weekly_two_dependents", Pay::Weekly, 1, 2, 600, 16.44},
        // credits above the first threshold
        LouisianaCase{"biweekly_credits_above_threshold", Pay::BiWeekly, 1, 9, 2000, 65.11},
        // credits above the tax: nothing, never negative
        LouisianaCase{"biweekly_credits_above_tax", Pay::BiWeekly, 1, 0, 100, 0}),
    testing::CaseName());

TEST(StateLouisiana, NeverNegativeBeforeTheClamp) {
    PayrollContext ctx = stateContext(Pay::BiWeekly);
    ctx.state.SingleAllowance[0] = 2;
    ctx.state.MarriedAllowance[0] = 6;
    ctx.result.GrossPay = 50;
    EXPECT_EQ(runMethod(ctx, StateMethodId::Louisiana), 0);
}

struct LouisianaSetCase {
    const char* name;
    float personal;
    float dependents;
    const char* personalCell;
    const char* dependentCell;
};

void PrintTo(const LouisianaSetCase& c, std::ostream* os) { *os << c.name; }

class LouisianaSetCounts : public ::testing::TestWithParam<LouisianaSetCase> {};

TEST_P(LouisianaSetCounts, ResetsCountsOutOfRange) {
    const LouisianaSetCase& c = GetParam();
    PayrollContext ctx = stateContext(Pay::BiWeekly);
    ctx.state.SingleAllowance[0] = c.personal;
    ctx.state.MarriedAllowance[0] = c.dependents;
    LouisianaSet(ctx);
    EXPECT_EQ(ctx.stateDialog.txtStateSgExp[0].text, c.personalCell);
    EXPECT_EQ(ctx.stateDialog.txtStateMarExp[0].text, c.dependentCell);
}

INSTANTIATE_TEST_SUITE_P(StateLouisianaSet, LouisianaSetCounts,
                         ::testing::Values(LouisianaSetCase{"counts_in_range", 2, 6, "2", "6"},
                                           LouisianaSetCase{"counts_out_of_range", 3, 7, "0", "0"},
                                           LouisianaSetCase{"no_dependents", 1, 0, "1", "0"}),
                         testing::CaseName());

TEST(StateLouisianaSet, LocksAllButTheTwoCounts) {
    PayrollContext ctx = stateContext(Pay::Weekly);
    LouisianaSet(ctx);
    const StateDialogModel& d = ctx.stateDialog;
    EXPECT_EQ(d.Label14, "Personal");
    EXPECT_EQ(d.Label15, "Dependent");
    EXPECT_EQ(d.Label21, "Enter Number Of");
    EXPECT_EQ(d.Label13, "");
    EXPECT_EQ(d.Label27[4], "");
    EXPECT_TRUE(d.txtStateSgExp[0].enabled);
    EXPECT_TRUE(d.txtStateMarExp[0].enabled);
    EXPECT_FALSE(d.txtStateSgExp[1].enabled);
    EXPECT_FALSE(d.txtStatePerBS[0].enabled);
    EXPECT_EQ(d.txtStatePerBS[0].text, "0");
    EXPECT_EQ(d.txtStateMinBM[9].text, "999999");
}

TEST(StateLouisianaEndToEnd, OnePersonalExemption) {
    EmployeeOnDisk emp;
    emp.setup.profile.HourlyRate = 12.5f;
    testing::setPay(emp.setup.profile, Pay::BiWeekly);
    emp.setup.state.UseLouisiana = 1;
    emp.setup.state.SingleAllowance[0] = 1;
    emp.setup.state.MarriedAllowance[0] = 0;
    EXPECT_DOUBLE_EQ(emp.calculate("80").result.StateWithholding, 24.89);
}

struct MassCase {
    const char* name;
    Pay pay;
    const char* status;
    int exemptions;
    float gross, socSec, medicare;
    float ytdSocSec, ytdMedicare;
    double expected;
};

void PrintTo(const MassCase& c, std::ostream* os) { *os << c.name; }

class Mass : public ::testing::TestWithParam<MassCase> {};

TEST_P(Mass, FlatRateAfterFicaAndExemption) {
    const MassCase& c = GetParam();
    PayrollContext ctx = stateContext(c.pay, c.status, c.exemptions);
    applySetter(ctx, StateMethodId::Mass);
    ctx.state.MarriedTable[0].Percent = 0.5f;  // the single rate applies to every status
    ctx.result.GrossPay = c.gross;
    ctx.result.SocSecTax = c.socSec;
    ctx.result.MedicareTax = c.medicare;
    ctx.ledger.totals.YtdSocSec = c.ytdSocSec;
    ctx.ledger.totals.YtdMedicare = c.ytdMedicare;
    runMethod(ctx, StateMethodId::Mass);
    EXPECT_DOUBLE_EQ(shownState(ctx), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    StateMassachusetts, Mass,
    ::testing::Values(
        MassCase{"single_biweekly", Pay::BiWeekly, "Single", 1, 1000, 62, 14.5f, 0, 0, 39.99},
        MassCase{"married_biweekly", Pay::BiWeekly, "Married", 1, 1000, 62, 14.5f, 0, 0, 39.99},
        // weekly halves the exemption, not the rate
        MassCase{"single_weekly", Pay::Weekly, "Single", 1, 500, 31, 7.25f, 0, 0, 19.99},
        // FICA of exactly 2000 still deducts this period's FICA
        MassCase{"fica_at_2000", Pay::BiWeekly, "Single", 1, 1000, 62, 14.5f, 1900, 100, 39.99},
        // above 2000 the wage is gross pay
        MassCase{"fica_above_2000", Pay::BiWeekly, "Single", 1, 1000, 62, 14.5f, 1900, 100.5f,
                 44.04},
        MassCase{"nine_exemptions", Pay::BiWeekly, "Single", 9, 1000, 62, 14.5f, 0, 0, 23.88}),
    testing::CaseName());

TEST(StateMassSet, RateAndExemptionAmounts) {
    PayrollContext ctx = stateContext(Pay::Weekly);
    applySetter(ctx, StateMethodId::Mass);
    EXPECT_FLOAT_EQ(ctx.state.SingleTable[0].Percent, 0.053f);
    EXPECT_FLOAT_EQ(ctx.state.MarriedTable[0].Percent, 0.053f);
    EXPECT_FLOAT_EQ(ctx.state.SingleTable[1].MinRange, 999999);
    EXPECT_FLOAT_EQ(ctx.state.MarriedAllowance[2], 207);
    EXPECT_FLOAT_EQ(ctx.state.SingleAllowance[9], 473);
    EXPECT_TRUE(ctx.stateDialog.txtStatePerBS[0].enabled);
    EXPECT_FALSE(ctx.stateDialog.txtStatePerBS[1].enabled);
}

TEST(StateMassEndToEnd, NoLedgerDeductsThePeriodsFica) {
    EmployeeOnDisk emp;
    emp.setup.profile.HourlyRate = 12.5f;
    testing::setPay(emp.setup.profile, Pay::BiWeekly);
    emp.setup.profile.StateExemptions = 1;
    emp.setup.state.UseMass = 1;
    const PayrollContext& ctx = emp.calculate("80");
    EXPECT_FLOAT_EQ(ctx.result.SocSecTax, 62);
    EXPECT_DOUBLE_EQ(ctx.result.StateWithholding, 39.99);
}

}  // namespace
}  // namespace corvanta
