// The state and local taxes are rounded by the rule of every other figure, and no tax turns
// into a refund.
#include <gtest/gtest.h>

#include "support/payroll_fixture.h"

namespace corvanta {
namespace {

using testing::PayrollFixture;

// A table whose only row withholds a flat amount from the first dollar.
template <typename Table>
void flatAmount(Table& rows, float amount) {
    for (auto& row : rows) row = BracketLine{kUnusedMinRange, 0, 0};
    rows[0] = BracketLine{0, amount, 0};
}

class TaxRoundingTest : public PayrollFixture {
  protected:
    void SetUp() override {
        PayrollFixture::SetUp();
        setBiWeekly();
        ctx.state.SingleAllowance = {};
        ctx.city.SingleAllowance = {};
    }
    void payDollars(const char* amount) { calculate({"", "", "", "", "", "", amount, ""}); }
};

struct HalfCase {
    float amount;
    double rounded;
    const char* shown;
};

class HalfCentTest : public TaxRoundingTest, public ::testing::WithParamInterface<HalfCase> {};

TEST_P(HalfCentTest, StateAndCityHalvesGoAwayFromZeroAsTheFederalDoes) {
    const HalfCase& c = GetParam();
    flatAmount(ctx.state.SingleTable, c.amount);
    flatAmount(ctx.city.SingleRows, c.amount);
    ctx.profile.FedAddWithholding = c.amount;  // the federal brackets give 0 for 100.00
    payDollars("100");
    EXPECT_DOUBLE_EQ(ctx.result.StateWithholding, c.rounded);
    EXPECT_DOUBLE_EQ(ctx.result.LocalTax, c.rounded);
    EXPECT_EQ(ctx.window.lbTaxDed[0], c.shown);
    EXPECT_EQ(ctx.window.lbTaxDed[3], c.shown);
    EXPECT_EQ(ctx.window.lbTaxDed[4], c.shown);
}

INSTANTIATE_TEST_SUITE_P(Amounts, HalfCentTest,
                         ::testing::Values(HalfCase{14.745f, 14.75, "14.75"},
                                           HalfCase{2.675f, 2.68, "2.68"},
                                           HalfCase{1.005f, 1.01, "1.01"},
                                           HalfCase{14.744f, 14.74, "14.74"}));

TEST_F(TaxRoundingTest, NonCityTaxOfAHalfCentRoundsUp) {
    ctx.profile.NonCityResident = 1;
    payDollars("1170");  // (1170 - 0) x .0045 = 5.265
    EXPECT_DOUBLE_EQ(ctx.result.LocalTax, 5.27);
    EXPECT_EQ(ctx.window.lbTaxDed[4], "5.27");
}

TEST_F(TaxRoundingTest, StateAdjustmentIsAddedBeforeTheRounding) {
    flatAmount(ctx.state.SingleTable, 10.5f);
    ctx.state.StateAdjustment = 4.245f;
    payDollars("100");
    EXPECT_DOUBLE_EQ(ctx.result.StateWithholding, 14.75);
}

struct NoRefundCase {
    const char* dollars;
    float cafeteria;
    int selfEmployed;
};

class NoRefundTest : public TaxRoundingTest, public ::testing::WithParamInterface<NoRefundCase> {};

TEST_P(NoRefundTest, CafeteriaLargerThanThePayLeavesNoSocialSecurityOrMedicare) {
    const NoRefundCase& c = GetParam();
    ctx.profile.CafeteriaAmount = c.cafeteria;
    ctx.profile.SelfEmployed = c.selfEmployed;
    payDollars(c.dollars);
    EXPECT_EQ(ctx.result.SocSecTax, 0);
    EXPECT_EQ(ctx.result.MedicareTax, 0);
    EXPECT_EQ(ctx.window.lbTaxDed[1], ".00");
    EXPECT_EQ(ctx.window.lbTaxDed[2], ".00");
}

INSTANTIATE_TEST_SUITE_P(Plans, NoRefundTest,
                         ::testing::Values(NoRefundCase{"1000", 1500, 0},
                                           NoRefundCase{"1000", 1500, 1}, NoRefundCase{"", 25, 0}));

TEST_F(TaxRoundingTest, DecreasingCityAmountsNeverGiveANegativeTax) {
    for (auto& row : ctx.city.SingleRows) row = BracketLine{kUnusedMinRange, 0, 0};
    ctx.city.SingleRows[0] = BracketLine{0, 10, 0.01f};
    ctx.city.SingleRows[1] = BracketLine{300, -40, 0.01f};  // a typing slip in the table
    payDollars("500");
    EXPECT_DOUBLE_EQ(ctx.result.LocalTax, 0);
    EXPECT_EQ(ctx.window.lbTaxDed[4], ".00");
    payDollars("200");
    EXPECT_DOUBLE_EQ(ctx.result.LocalTax, 12);
}

}  // namespace
}  // namespace corvanta
