#include "session/ytd/ledger_ops.h"

#include <gtest/gtest.h>

#include "base/files/record_format.h"
#include "session/core/calculate.h"
#include "session/core/payroll_context.h"
#include "support/case_names.h"

namespace corvanta {
namespace {

// A context holding the window of one finished calculation.
PayrollContext calculated() {
    PayrollContext ctx;
    ctx.window.txtWeek = "1/5/2008";
    // The figures of a calculation; posting takes these, never the window's texts.
    PayResult& r = ctx.result;
    r.FedWithholding = 1234.56f;
    r.SocSecTax = 62.0f;
    r.MedicareTax = 14.5f;
    r.StateWithholding = 30.25;
    r.LocalTax = 0;
    ctx.profile.CreditDeduction = 5.0f;
    ctx.profile.BondDeduction = 2.0f;
    ctx.profile.DuesDeduction = 3.0f;
    r.PensionAmount = 4.0f;
    ctx.profile.MiscDeduction = 0;
    r.KPlanAmount = 40.0f;
    r.SdiTax = 1.2f;
    r.SuiTax = 0;
    r.CafeteriaThisPeriod = 10.0f;
    ctx.result.TotalOt = 150.0f;
    ctx.result.TotalTips = 0.0f;
    ctx.result.GrossPay = 1000.0f;
    ctx.result.NetPay = 800.25f;
    return ctx;
}

TEST(LedgerPosting, FillsTheGridRowWithCellTexts) {
    PayrollContext ctx = calculated();
    PasteMe(ctx, 2);
    const LedgerGridRow& g = ctx.ledger.grid[2];
    EXPECT_EQ(g.txtDate, "1/5/2008");
    EXPECT_EQ(g.taxCells[0], "1234.56");  // thousands kept, not cut at the comma
    EXPECT_EQ(g.taxCells[4], ".00");      // a posted zero
    EXPECT_EQ(g.txtOT, "150.00");
    EXPECT_EQ(g.txtTips, ".00");
    EXPECT_EQ(g.grossText, "1000.00");  // the gross pay cell
    EXPECT_EQ(g.netText, "800.25");
    EXPECT_FLOAT_EQ(ctx.ledger.rows[2].Sdi, 1.2f);
    EXPECT_FLOAT_EQ(ctx.ledger.rows[2].Cafeteria, 10.0f);
    // The rows wait for Update.
    EXPECT_FLOAT_EQ(ctx.ledger.rows[2].Gross, 0.0f);
}

// A pay period text the ledger file cannot hold is refused by name where it is read, and
// leaves the ledger as it was.
TEST(LedgerPosting, APeriodTextTheFileCannotHoldIsRefusedByName) {
    struct Path {
        const char* what;
        void (*run)(PayrollContext&);
        const char* field;
    };
    const std::vector<Path> paths{
        {"posting", [](PayrollContext& ctx) { PasteMe(ctx, 2); }, "pay period"},
        {"the entry boxes", [](PayrollContext& ctx) { (void)readEntryBoxes(ctx.window); },
         "pay period"},
        {"a typed ledger cell",
         [](PayrollContext& ctx) {
             ctx.ledger.grid[1].txtDate = ctx.window.txtWeek;
             Update(ctx);
         },
         "pay period of row 2"},
    };
    for (const Path& p : paths) {
        PayrollContext ctx = calculated();
        ctx.window.txtWeek = "1/5/2008 \u2013 week 1";
        const YtdLedger before = ctx.ledger;
        try {
            p.run(ctx);
            ADD_FAILURE() << p.what << " took the text";
        } catch (const UnstorableTextError& e) {
            EXPECT_NE(std::string(e.what()).find(p.field), std::string::npos) << e.what();
            EXPECT_EQ(e.character(), "\u2013") << p.what;
        }
        EXPECT_EQ(ctx.ledger.rows[1].WeekLabel, before.rows[1].WeekLabel) << p.what;
        EXPECT_EQ(ctx.ledger.grid[2].txtDate, before.grid[2].txtDate) << p.what;
    }
}

TEST(LedgerPosting, RowOutsideTheGridIsRefused) {
    PayrollContext ctx = calculated();
    EXPECT_THROW(PasteMe(ctx, 52), UserError);
    EXPECT_THROW(DeleteRow(ctx, -1), UserError);
}

TEST(LedgerTotals, SamePeriodInTwoRowsCountsTwice) {
    PayrollContext ctx = calculated();
    PasteMe(ctx, 0);
    PasteMe(ctx, 1);
    Update(ctx);
    AddAnnual(ctx);
    const YtdTotals& t = ctx.ledger.totals;
    EXPECT_EQ(t.YtdGross, Currency::fromDouble(2000.0));
    EXPECT_EQ(t.YtdNet, Currency::fromDouble(1600.5));
    EXPECT_FLOAT_EQ(t.YtdFederal, 2469.12f);
    EXPECT_FLOAT_EQ(t.YtdKPlan, 80.0f);
    EXPECT_FLOAT_EQ(t.YtdSdi, 2.4f);
    EXPECT_EQ(ctx.ledger.totalBoxes.totalGrossText, "2000.00");  // the gross total box
    EXPECT_EQ(ctx.ledger.totalBoxes.totalNetText, "1600.50");
}

TEST(LedgerTotals, BiWeeklyIgnoresLateRowsExceptInsuranceAndCafeteria) {
    PayrollContext ctx = calculated();
    ctx.profile.frequency = PayFrequency::BiWeekly;
    ctx.ledger.rows[30].Gross = 500;
    ctx.ledger.rows[30].Sdi = 3;
    ctx.ledger.rows[30].Sui = 4;
    ctx.ledger.rows[30].Cafeteria = 5;
    AddAnnual(ctx);
    const YtdTotals& t = ctx.ledger.totals;
    EXPECT_EQ(t.YtdGross, Currency{});
    EXPECT_FLOAT_EQ(t.YtdSdi, 3.0f);
    EXPECT_FLOAT_EQ(t.YtdSui, 4.0f);
    EXPECT_FLOAT_EQ(t.YtdCafeteria, 5.0f);
}

TEST(LedgerTotals, SinglesAreStoredAsTheirDisplayedValue) {
    PayrollContext ctx;
    for (int i = 0; i < 10; ++i) ctx.ledger.rows[i].Federal = 0.1f;
    AddAnnual(ctx);
    EXPECT_EQ(ctx.ledger.totals.YtdFederal, 1.0f);
}

TEST(LedgerTotals, ValueOutOfRangeShowsTheMessage) {
    PayrollContext ctx;
    std::vector<std::string> shown;
    ctx.showMessage = [&](const UserMessage& m) { shown.push_back(m.text); };
    ctx.ledger.grid[0].taxCells[0] = "3e38";
    ctx.ledger.grid[1].taxCells[0] = "3e38";
    Update(ctx);
    AddAnnual(ctx);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], kLedgerNumberMessage);
}

TEST(LedgerEdits, UpdateReadsLeadingNumbersOfCells) {
    PayrollContext ctx;
    LedgerGridRow& g = ctx.ledger.grid[0];
    g.txtDate = "week one";
    g.taxCells[1] = "12.5abc";
    g.grossText = "abc";
    g.netText = " 1 2";
    Update(ctx);
    EXPECT_EQ(ctx.ledger.rows[0].WeekLabel, "week one");
    EXPECT_FLOAT_EQ(ctx.ledger.rows[0].SocSec, 12.5f);
    EXPECT_FLOAT_EQ(ctx.ledger.rows[0].Gross, 0.0f);
    EXPECT_FLOAT_EQ(ctx.ledger.rows[0].Net, 12.0f);
}

TEST(LedgerEdits, DeleteRowZeroesEveryCellAndTheWeekText) {
    PayrollContext ctx = calculated();
    PasteMe(ctx, 4);
    DeleteRow(ctx, 4);
    const LedgerGridRow& g = ctx.ledger.grid[4];
    EXPECT_EQ(g.txtDate, "0");
    for (const std::string& cell : g.taxCells) EXPECT_EQ(cell, "0");
    EXPECT_EQ(g.grossText, "0");
    EXPECT_FLOAT_EQ(ctx.ledger.rows[4].Sdi, 0.0f);
    EXPECT_FLOAT_EQ(ctx.ledger.rows[4].Cafeteria, 0.0f);
}

TEST(LedgerEdits, ClearLedgerZeroesRowsAndTotalsOfAllRows) {
    PayrollContext ctx = calculated();
    ctx.profile.frequency = PayFrequency::BiWeekly;
    PasteMe(ctx, 0);
    ctx.ledger.rows[40].Sdi = 9;
    Update(ctx);
    AddAnnual(ctx);
    ClearLedger(ctx);
    EXPECT_EQ(ctx.ledger.totals.YtdGross, Currency{});
    EXPECT_FLOAT_EQ(ctx.ledger.totals.YtdSdi, 0.0f);
    EXPECT_EQ(ctx.ledger.rows[0].WeekLabel, "0");
    EXPECT_EQ(ctx.ledger.totalBoxes.txtTotSdi, ".00");
}

struct CentTotalCase {
    const char* name;
    bool weekly;
    float amount;     // posted into every row of the year
    double total;     // what the year's Currency totals hold
    const char* box;  // the totals strip's gross box
};

void PrintTo(const CentTotalCase& c, std::ostream* os) { *os << c.name; }

class LedgerCentTotals : public ::testing::TestWithParam<CentTotalCase> {};

TEST_P(LedgerCentTotals, AddEachAmountAsItWasPosted) {
    const CentTotalCase& c = GetParam();
    PayrollContext ctx;
    if (!c.weekly) {
        ctx.profile.frequency = PayFrequency::BiWeekly;
    }
    const int rows = c.weekly ? kLedgerRows : kLedgerRows / 2;
    for (int i = 0; i < rows; ++i) {
        LedgerRow& r = ctx.ledger.rows[i];
        r.Gross = r.Net = r.Overtime = r.Tips = c.amount;
    }
    AddAnnual(ctx);
    const YtdTotals& t = ctx.ledger.totals;
    for (const Currency total : {t.YtdGross, t.YtdNet, t.YtdOvertime, t.YtdTips}) {
        EXPECT_EQ(total, Currency::fromDouble(c.total));
    }
    EXPECT_EQ(ctx.ledger.totalBoxes.totalGrossText, c.box);
}

INSTANTIATE_TEST_SUITE_P(
    Years, LedgerCentTotals,
    ::testing::Values(CentTotalCase{"weekly_year", true, 1234.56f, 64197.12, "64197.12"},
                      CentTotalCase{"biweekly_year", false, 5000.03f, 130000.78, "130000.78"},
                      CentTotalCase{"weekly_tenths", true, 0.1f, 5.2, "5.20"},
                      CentTotalCase{"weekly_negative", true, -19.99f, -1039.48, "-1039.48"}),
    testing::CaseName());

}  // namespace
}  // namespace corvanta
