#include "session/core/calculate.h"

#include <gtest/gtest.h>

#include "support/case_names.h"
#include "support/payroll_fixture.h"

namespace corvanta {
namespace {

using testing::PayrollFixture;

class CalculateTest : public PayrollFixture {
  protected:
    void payDollars(const char* amount) { calculate({"", "", "", "", "", "", amount, ""}); }
};

TEST_F(CalculateTest, EmptyBoxesGiveNothingAndStayBlank) {
    calculate({"", "", "", "", "", "", "", ""});
    EXPECT_EQ(ctx.result.GrossPay, 0);
    EXPECT_EQ(ctx.result.NetPay, 0);
    EXPECT_EQ(ctx.window.Label13, "");
    EXPECT_EQ(ctx.window.lbNet, "$.00");
    for (const auto& box : ctx.window.txtAmount) EXPECT_EQ(box, "");
}

TEST_F(CalculateTest, FortyHoursWeeklySingle) {
    ctx.profile.HourlyRate = 12.5f;
    calculateStraight("40");
    const PayResult& r = ctx.result;
    EXPECT_FLOAT_EQ(r.GrossPay, 500);
    EXPECT_FLOAT_EQ(r.TaxableGross, 500);
    EXPECT_FLOAT_EQ(r.MedicareTax, 7.25f);
    EXPECT_FLOAT_EQ(r.SocSecTax, 31.00f);
    EXPECT_FLOAT_EQ(r.FedWithholding, 60.00f);  // (500 - 198) x 15% + 14.70
    EXPECT_DOUBLE_EQ(r.StateWithholding, 17.61);
    EXPECT_DOUBLE_EQ(r.LocalTax, 11.68);
    EXPECT_DOUBLE_EQ(r.TaxDeduct, 127.54);
    EXPECT_FLOAT_EQ(r.NetPay, 372.46f);
    EXPECT_EQ(ctx.window.Label13, "$500.00");
    EXPECT_EQ(ctx.window.lbNet, "$372.46");
    EXPECT_EQ(ctx.window.lbTaxes, "$127.54");
    EXPECT_EQ(ctx.window.lbTaxDed[0], "60.00");
    EXPECT_EQ(ctx.window.txtAmount[0], "40");
    EXPECT_EQ(ctx.window.txtAmount[1], "");
}

TEST_F(CalculateTest, ZeroRatePaysTheDefaultRate) {
    calculateStraight("40");
    EXPECT_FLOAT_EQ(ctx.entry.PayRate, 7.5f);
    EXPECT_FLOAT_EQ(ctx.result.GrossPay, 300);
}

TEST_F(CalculateTest, OvertimeAtOneOrTwoTimes) {
    ctx.profile.HourlyRate = 10;
    calculate({"", "", "2", "", "", "", "", ""});
    EXPECT_FLOAT_EQ(ctx.result.TotalOt, 20);
    ctx.window.opt1x = false;
    calculate({"", "", "2", "", "", "", "", ""});
    EXPECT_FLOAT_EQ(ctx.result.TotalOt, 40);
    EXPECT_FLOAT_EQ(ctx.result.GrossPay, 40);
    calculate({"", "", "", "4", "", "", "", ""});
    EXPECT_FLOAT_EQ(ctx.result.TotalOt, 60);  // time and a half
    EXPECT_EQ(ctx.window.lbOverT, "$60.00");
}

TEST_F(CalculateTest, HolidayAndVacationHoursAtRateOne) {
    ctx.profile.HourlyRate = 10;
    ctx.profile.HourlyRate2 = 20;
    calculate({"1", "2", "", "", "3", "4", "5.5", ""});
    EXPECT_FLOAT_EQ(ctx.result.GrossPay, 10 + 40 + 30 + 40 + 5.5f);
    EXPECT_FLOAT_EQ(ctx.result.Reg1Pay, 10);
    EXPECT_FLOAT_EQ(ctx.result.Reg2Pay, 40);
}

TEST_F(CalculateTest, TipsAreTaxedThenTakenOutOfTheCheck) {
    ctx.profile.HourlyRate = 12.5f;
    calculateStraight("40");
    const PayResult without = ctx.result;
    ctx.profile.TipsRate = 5;
    calculate({"40", "", "", "", "", "", "", "10"});
    const PayResult& with = ctx.result;
    EXPECT_FLOAT_EQ(with.GrossPay, 550);
    EXPECT_FLOAT_EQ(with.TotalTips, 50);
    const double extraTaxes = with.TaxDeduct - without.TaxDeduct;
    EXPECT_GT(extraTaxes, 0);
    EXPECT_NEAR(with.NetPay, without.NetPay - extraTaxes, 0.001);
}

TEST_F(CalculateTest, KPlanPercentReducesTaxableGrossButNotMedicare) {
    ctx.profile.HourlyRate = 25;
    ctx.profile.KPlanValue = 5;
    calculateStraight("40");
    EXPECT_FLOAT_EQ(ctx.result.KPlanAmount, 50);
    EXPECT_FLOAT_EQ(ctx.result.TaxableGross, 950);
    EXPECT_FLOAT_EQ(ctx.result.MedicareTax, 14.5f);
    ctx.profile.KPlan = KPlanKind::FixedAmount;
    ctx.profile.KPlanValue = 30;
    calculateStraight("40");
    EXPECT_FLOAT_EQ(ctx.result.KPlanAmount, 30);
}

TEST_F(CalculateTest, FederalExemptDropsTheAdditionalWithholding) {
    ctx.profile.HourlyRate = 12.5f;
    ctx.profile.FedAddWithholding = 20;
    calculateStraight("40");
    EXPECT_FLOAT_EQ(ctx.result.FedWithholding, 80);
    ctx.profile.FedExempt = 1;
    calculateStraight("40");
    EXPECT_EQ(ctx.window.lbTaxDed[0], ".00");
}

TEST_F(CalculateTest, ExemptFromSocialSecurityAndMedicare) {
    ctx.profile.HourlyRate = 12.5f;
    ctx.profile.SocSecMedExempt = 1;
    calculateStraight("40");
    EXPECT_EQ(ctx.result.SocSecTax, 0);
    EXPECT_EQ(ctx.result.MedicareTax, 0);
}

TEST_F(CalculateTest, NegativeStateTaxBecomesZero) {
    ctx.state.StateAdjustment = -1000;
    ctx.profile.HourlyRate = 12.5f;
    calculateStraight("40");
    EXPECT_EQ(ctx.result.StateWithholding, 0);
    ctx.state.StateAdjustment = 2.5f;
    calculateStraight("40");
    EXPECT_DOUBLE_EQ(ctx.result.StateWithholding, 20.11);
}

TEST_F(CalculateTest, RoundStateRoundsHalvesToTheEvenDollar) {
    ctx.profile.HourlyRate = 12.5f;
    ctx.state.RoundState = 1;
    ctx.state.StateAdjustment = 0.89f;  // 17.61 + 0.89 = 18.50
    calculateStraight("40");
    EXPECT_DOUBLE_EQ(ctx.result.StateWithholding, 18);
    ctx.state.StateAdjustment = 1.89f;  // 19.50
    calculateStraight("40");
    EXPECT_DOUBLE_EQ(ctx.result.StateWithholding, 20);
}

TEST_F(CalculateTest, BiWeeklyDoublesTheWeeklyAllowance) {
    setBiWeekly();
    ctx.profile.FedExemptions = "4";
    payDollars("1000");
    EXPECT_FLOAT_EQ(ctx.result.FedAllowance, 538.48f);
    EXPECT_FLOAT_EQ(ctx.result.FedTaxableWage, 1000 - 538.48f);
    EXPECT_FLOAT_EQ(ctx.result.FedWithholding, roundToCents((461.52f - 396) * 0.15f + 29.4f));
}

TEST_F(CalculateTest, EntryThatIsNotANumberIsRefusedAndNothingChanges) {
    ctx.profile.HourlyRate = 10;
    calculateStraight("40");
    for (const char* bad : {"1-2", "--5", "1e999", "4.5.6"}) {
        ctx.window.txtAmount = {"40", bad, "", "", "", "", "", ""};
        try {
            ctx.loaded.stateDialog = ctx.loaded.cityDialog = true;
            Calcu_late(ctx, CalculateOptions{.save = false});
            ADD_FAILURE() << bad << " was accepted";
        } catch (const UserError& e) {
            EXPECT_NE(std::string(e.what()).find("STRAIGHT TIME HOURS 2"), std::string::npos);
            EXPECT_NE(std::string(e.what()).find(bad), std::string::npos);
        }
        EXPECT_EQ(ctx.window.txtAmount[1], bad);
        // The refused calculation leaves no figure of the one before beside the entries.
        EXPECT_EQ(ctx.result.GrossPay, 0);
        EXPECT_EQ(ctx.window.Label13, "");
    }
    EXPECT_FALSE(folder.exists("Test.use"));
}

TEST_F(CalculateTest, TextWithAZeroValueCountsAsZero) {
    calculate({"-", ".", " ", "", "", "", "", ""});
    EXPECT_EQ(ctx.result.GrossPay, 0);
    EXPECT_EQ(ctx.window.txtAmount[0], "");
}

TEST_F(CalculateTest, FederalExemptionsOutOfRangeAreRefused) {
    ctx.profile.FedExemptions = "12";
    EXPECT_THROW(calculateStraight("40"), UserError);
    ctx.profile.FedExemptions = "3";
    ctx.profile.StateExemptions = 10;
    EXPECT_THROW(calculateStraight("40"), UserError);
}

TEST_F(CalculateTest, MissingFederalTableWarnsAndWithholdsNothing) {
    std::filesystem::remove(folder / "Federal08.dtt");
    ctx.profile.HourlyRate = 12.5f;
    calculateStraight("40");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "You have illegally altered this program\r\nand destroyed data.\r\n"
              "Contact QUORVELL SOFTWARE at\r\nsupport@quorvell-software.example");
    EXPECT_EQ(ctx.result.FedWithholding, 0);
    EXPECT_FLOAT_EQ(ctx.result.SocSecTax, 31);
}

TEST_F(CalculateTest, ShortFederalTableStopsTheCalculation) {
    const std::string full = folder.read("Federal08.dtt");
    folder.write("Federal08.dtt", full.substr(0, full.size() / 2));
    ctx.profile.HourlyRate = 12.5f;
    try {
        calculateStraight("40");
        FAIL() << "a short table was used";
    } catch (const RecordFormatError& e) {
        EXPECT_NE(std::string(e.what()).find("Federal08.dtt"), std::string::npos);
    }
    EXPECT_EQ(ctx.result.GrossPay, 0);
}

TEST_F(CalculateTest, FederalTableIsClearedAfterTheCalculation) {
    calculateStraight("40");
    EXPECT_EQ(ctx.federal.singleWeekly.brackets[1].rate, 0);
    EXPECT_EQ(ctx.federal.singleAllowance[4], 0);
    EXPECT_EQ(ctx.window.lbTaxVer, "2008 Federal Tax Tables");
}

struct WageBaseCase {
    const char* name;
    double ytdGross;
    float gross;
    float cafeteria;
    int selfEmployed;
    float socSec;
    float medicare;
    double ytdCafeteria = 0;  // the year's cafeteria plan before the period
};

void PrintTo(const WageBaseCase& c, std::ostream* os) { *os << c.name; }

class SocialSecurityTest : public PayrollFixture,
                           public ::testing::WithParamInterface<WageBaseCase> {};

TEST_P(SocialSecurityTest, StopsAtTheWageBase) {
    const WageBaseCase& c = GetParam();
    ctx.ledger.totals.YtdGross = Currency::fromDouble(c.ytdGross);
    ctx.ledger.totals.YtdCafeteria = static_cast<float>(c.ytdCafeteria);
    ctx.profile.CafeteriaAmount = c.cafeteria;
    ctx.profile.SelfEmployed = c.selfEmployed;
    ctx.profile.HourlyRate = c.gross / 40;
    calculateStraight("40");
    EXPECT_FLOAT_EQ(ctx.result.SocSecTax, c.socSec);
    EXPECT_FLOAT_EQ(ctx.result.MedicareTax, c.medicare);
}

INSTANTIATE_TEST_SUITE_P(
    WageBase, SocialSecurityTest,
    ::testing::Values(WageBaseCase{"first_pay_of_year", 0, 1000, 0, 0, 62, 14.5f},
                      WageBaseCase{"crosses_the_base", 101500, 1000, 0, 0, 31, 14.5f},
                      WageBaseCase{"at_the_base", 102000, 1000, 0, 0, 0, 14.5f},
                      WageBaseCase{"double_pay_ends_on_the_base", 100000, 2000, 0, 0, 124, 29},
                      WageBaseCase{"ends_on_the_base", 101000, 1000, 0, 0, 62, 14.5f},
                      WageBaseCase{"past_the_base", 150000, 1000, 0, 0, 0, 14.5f},
                      WageBaseCase{"past_the_2007_base", 97000, 1000, 0, 0, 62, 14.5f},
                      WageBaseCase{"self_employed_cafeteria", 0, 1000, 100, 1, 111.6f, 26.1f},
                      WageBaseCase{"self_employed_crosses_the_base", 101500, 1000, 0, 1, 62, 29},
                      // 4,100 bi-weekly with a 300 cafeteria plan: her Social Security wages
                      // are 91,200 and 95,000 before her last two periods, not the gross
                      // 98,400 and 102,500 (which withheld 223.20 and 0.00).
                      WageBaseCase{"cafeteria_gross_past_base_wages_not", 98400, 4100, 300, 0,
                                   235.6f, 55.1f, 7200},
                      WageBaseCase{"cafeteria_gross_far_past_base_wages_not", 102500, 4100, 300, 0,
                                   235.6f, 55.1f, 7500},
                      // Social Security wages of 100,000 before: 2,000 of room.
                      WageBaseCase{"cafeteria_wages_cross_the_base", 107500, 4100, 300, 0, 124,
                                   55.1f, 7500}),
    testing::CaseName());

struct InsuranceCase {
    const char* name;
    int useBase;
    float percent;
    float base;
    double ytdGross;
    float tax;
};

void PrintTo(const InsuranceCase& c, std::ostream* os) { *os << c.name; }

class SdiSuiTest : public PayrollFixture, public ::testing::WithParamInterface<InsuranceCase> {};

TEST_P(SdiSuiTest, RateUpToTheBaseOrFlatAmount) {
    const InsuranceCase& c = GetParam();
    ctx.state.SdiUseBase = ctx.state.SuiUseBase = c.useBase;
    ctx.state.SdiPercent = ctx.state.SuiPercent = c.percent;
    ctx.state.SdiWageBase = ctx.state.SuiWageBase = c.base;
    ctx.ledger.totals.YtdGross = Currency::fromDouble(c.ytdGross);
    ctx.profile.HourlyRate = 25;
    calculateStraight("40");
    EXPECT_FLOAT_EQ(ctx.result.SdiTax, c.tax);
    EXPECT_FLOAT_EQ(ctx.result.SuiTax, c.tax);
}

INSTANTIATE_TEST_SUITE_P(
    Insurance, SdiSuiTest,
    ::testing::Values(InsuranceCase{"rate_crosses_the_base", 1, 1, 90000, 89500, 5},
                      InsuranceCase{"rate_below_the_base", 1, 1, 90000, 0, 10},
                      InsuranceCase{"rate_at_the_base", 1, 1, 90000, 90000, 0},
                      InsuranceCase{"flat_amount", 0, 1, 12.34f, 0, 12.34f},
                      InsuranceCase{"flat_amount_past_the_base", 0, 5, 12.34f, 500000, 12.34f},
                      InsuranceCase{"zero_rate", 1, 0, 90000, 0, 0}),
    testing::CaseName());

}  // namespace
}  // namespace corvanta
