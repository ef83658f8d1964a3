// The state and local taxes are rounded by the rule of every other figure, and no tax turns
// into a refund.
#include <gtest/gtest.h>

#include "support/case_names.h"
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
    const char* name;
    float amount;
    double rounded;
    const char* shown;
};

void PrintTo(const HalfCase& c, std::ostream* os) { *os << c.name; }

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
                         ::testing::Values(HalfCase{"half_cent_of_14_74", 14.745f, 14.75, "14.75"},
                                           HalfCase{"half_cent_of_2_67", 2.675f, 2.68, "2.68"},
                                           HalfCase{"half_cent_of_1_00", 1.005f, 1.01, "1.01"},
                                           HalfCase{"below_half_cent", 14.744f, 14.74, "14.74"}),
                         testing::CaseName());

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
    const char* name;
    const char* dollars;
    float cafeteria;
    int selfEmployed;
};

void PrintTo(const NoRefundCase& c, std::ostream* os) { *os << c.name; }

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

INSTANTIATE_TEST_SUITE_P(
    Plans, NoRefundTest,
    ::testing::Values(NoRefundCase{"employee_cafeteria_over_pay", "1000", 1500, 0},
                      NoRefundCase{"self_employed_cafeteria_over_pay", "1000", 1500, 1},
                      NoRefundCase{"no_pay_with_cafeteria", "", 25, 0}),
    testing::CaseName());

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
