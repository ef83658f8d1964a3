#include "session/ytd/ledger_ops.h"

#include <cmath>

#include "base/core/numeric_text.h"
#include "base/core/user_error.h"
#include "base/files/record_format.h"
#include "session/files/employee_files.h"

namespace corvanta {
namespace {

constexpr const char* kCellPattern = "#####.00";

// A value the totals cannot hold; AddAnnual turns it into its message.
struct LedgerNumberError {};

std::array<float*, kLedgerTaxCells> taxFields(LedgerRow& r) {
    return {&r.Federal, &r.SocSec, &r.Medicare, &r.State, &r.City, &r.Credit,
            &r.Bond,    &r.Dues,   &r.Pension,  &r.Misc,  &r.KPlan};
}

std::array<float*, kLedgerTaxCells> taxTotals(YtdTotals& t) {
    return {&t.YtdFederal, &t.YtdSocSec, &t.YtdMedicare, &t.YtdState, &t.YtdCity, &t.YtdCredit,
            &t.YtdBond,    &t.YtdDues,   &t.YtdPension,  &t.YtdMisc,  &t.YtdKPlan};
}

float cellValue(const std::string& text) { return static_cast<float>(numericValue(text)); }

float addSingle(float total, float value) {
    const float sum = total + value;
    if (!std::isfinite(sum)) throw LedgerNumberError{};
    return displayedValue(sum);
}

Currency addCurrency(Currency total, float value) {
    if (!std::isfinite(value)) throw LedgerNumberError{};
    try {
        return total + Currency::fromShownSingle(value);
    } catch (const MoneyOverflow&) {
        throw LedgerNumberError{};
    }
}

void sumRowsInUse(YtdLedger& ledger, int rows) {
    YtdTotals& t = ledger.totals;
    for (float* total : taxTotals(t)) *total = 0;
    t.YtdOvertime = t.YtdTips = t.YtdGross = t.YtdNet = Currency{};
    for (int i = 0; i < rows; ++i) {
        LedgerRow& r = ledger.rows[i];
        const auto fields = taxFields(r);
        const auto totals = taxTotals(t);
        for (int k = 0; k < kLedgerTaxCells; ++k) *totals[k] = addSingle(*totals[k], *fields[k]);
        t.YtdOvertime = addCurrency(t.YtdOvertime, r.Overtime);
        t.YtdTips = addCurrency(t.YtdTips, r.Tips);
        t.YtdGross = addCurrency(t.YtdGross, r.Gross);
        t.YtdNet = addCurrency(t.YtdNet, r.Net);
    }
}

void showMainTotals(YtdLedger& ledger) {
    YtdTotals& t = ledger.totals;
    LedgerTotalsBoxes& b = ledger.totalBoxes;
    const auto totals = taxTotals(t);
    for (int k = 0; k < kLedgerTaxCells; ++k)
        b.taxTotals[k] = formatPattern(*totals[k], kCellPattern);
    b.txtTotOT = formatPattern(t.YtdOvertime, kCellPattern);
    b.txtTotTips = formatPattern(t.YtdTips, kCellPattern);
    b.totalGrossText = formatPattern(t.YtdGross, kCellPattern);
    b.totalNetText = formatPattern(t.YtdNet, kCellPattern);
}

// SDI, SUI and cafeteria have no grid cells and are summed over every row, whatever the
// frequency, as the totals strip always did.
void sumInsurance(YtdLedger& ledger) {
    YtdTotals& t = ledger.totals;
    t.YtdSdi = t.YtdSui = t.YtdCafeteria = 0;
    for (const LedgerRow& r : ledger.rows) {
        t.YtdSdi += r.Sdi;
        t.YtdSui += r.Sui;
        t.YtdCafeteria += r.Cafeteria;
    }
    if (!std::isfinite(t.YtdSdi) || !std::isfinite(t.YtdSui) || !std::isfinite(t.YtdCafeteria)) {
        throw LedgerNumberError{};
    }
    ledger.totalBoxes.txtTotSdi = formatPattern(t.YtdSdi, kCellPattern);
    ledger.totalBoxes.txtTotSui = formatPattern(t.YtdSui, kCellPattern);
    ledger.totalBoxes.txtTotCafe = formatPattern(t.YtdCafeteria, kCellPattern);
}

void copyGridRow(const LedgerGridRow& g, LedgerRow& r) {
    r.WeekLabel = g.txtDate;
    const auto fields = taxFields(r);
    for (int k = 0; k < kLedgerTaxCells; ++k) *fields[k] = cellValue(g.taxCells[k]);
    r.Overtime = cellValue(g.txtOT);
    r.Tips = cellValue(g.txtTips);
    r.Gross = cellValue(g.grossText);
    r.Net = cellValue(g.netText);
}

// AddAnnual replaces these right after, so a box out of range keeps the total it had.
Currency boxCurrency(const std::string& text, Currency previous) {
    try {
        return Currency::fromDouble(numericValue(text));
    } catch (const MoneyOverflow&) {
        return previous;
    }
}

void copyTotalBoxes(const LedgerTotalsBoxes& b, YtdTotals& t) {
    const auto totals = taxTotals(t);
    for (int k = 0; k < kLedgerTaxCells; ++k) *totals[k] = cellValue(b.taxTotals[k]);
    t.YtdOvertime = boxCurrency(b.txtTotOT, t.YtdOvertime);
    t.YtdTips = boxCurrency(b.txtTotTips, t.YtdTips);
    t.YtdGross = boxCurrency(b.totalGrossText, t.YtdGross);
    t.YtdNet = boxCurrency(b.totalNetText, t.YtdNet);
}

void checkRow(int row) {
    if (row < 0 || row >= kLedgerRows) {
        throw UserError("There is no row " + std::to_string(row + 1) +
                        " in the year-to-date ledger.");
    }
}

std::string generalText(float value) { return shortestText(value); }

}  // namespace

bool addInsuranceTotals(PayrollContext& ctx) {
    try {
        sumInsurance(ctx.ledger);
        return true;
    } catch (const LedgerNumberError&) {
        ctx.showMessage({kLedgerNumberMessage});
    }
    return false;
}

bool AddAnnual(PayrollContext& ctx) {
    try {
        sumRowsInUse(ctx.ledger, rowsInUse(ctx.profile));
        showMainTotals(ctx.ledger);
        sumInsurance(ctx.ledger);
        return true;
    } catch (const LedgerNumberError&) {
        ctx.showMessage({kLedgerNumberMessage});
    } catch (const MoneyOverflow&) {
        ctx.showMessage({kLedgerNumberMessage});
    }
    return false;
}

void Update(PayrollContext& ctx) {
    YtdLedger& ledger = ctx.ledger;
    const int rows = rowsInUse(ctx.profile);
    // Checked before any row changes: the ledger file keeps single-byte text only.
    for (int i = 0; i < rows; ++i) {
        requireStorableText("pay period of row " + std::to_string(i + 1), ledger.grid[i].txtDate);
    }
    for (int i = 0; i < rows; ++i) copyGridRow(ledger.grid[i], ledger.rows[i]);
    copyTotalBoxes(ledger.totalBoxes, ledger.totals);
}

void PasteMe(PayrollContext& ctx, int row) {
    checkRow(row);
    const CalculatorWindow& w = ctx.window;
    requireStorableText("pay period", w.txtWeek);
    const PayResult& r = ctx.result;
    LedgerGridRow& g = ctx.ledger.grid[row];
    g.txtDate = w.txtWeek;
    // The last calculation's figures, in the order of the window's tax and deduction lines.
    const EmployeeProfile& p = ctx.profile;
    auto cell = [](auto value) { return formatPattern(value, kCellPattern); };
    g.taxCells = {cell(r.FedWithholding),   cell(r.SocSecTax),     cell(r.MedicareTax),
                  cell(r.StateWithholding), cell(r.LocalTax),      cell(p.CreditDeduction),
                  cell(p.BondDeduction),    cell(p.DuesDeduction), cell(r.PensionAmount),
                  cell(p.MiscDeduction),    cell(r.KPlanAmount)};
    g.txtOT = formatPattern(r.TotalOt, kCellPattern);
    g.txtTips = formatPattern(r.TotalTips, kCellPattern);
    g.grossText = formatPattern(r.GrossPay, kCellPattern);
    g.netText = formatPattern(r.NetPay, kCellPattern);
    LedgerRow& target = ctx.ledger.rows[row];
    target.Sdi = r.SdiTax;
    target.Sui = r.SuiTax;
    target.Cafeteria = r.CafeteriaThisPeriod;
}

std::optional<int> rowPostedFor(const PayrollContext& ctx, const std::string& week,
                                std::optional<int> except) {
    const auto trimmed = [](const std::string& s) {
        const auto first = s.find_first_not_of(' ');
        if (first == std::string::npos) return std::string();
        return s.substr(first, s.find_last_not_of(' ') - first + 1);
    };
    const std::string wanted = trimmed(week);
    // An empty row shows "0" for its week: that is no week.
    if (wanted.empty() || wanted == "0") return std::nullopt;
    const int rows = rowsInUse(ctx.profile);
    for (int i = 0; i < rows; ++i) {
        if (i == except) continue;
        // The grid holds a row posted in the window before its totals are added up.
        if (trimmed(ctx.ledger.rows[i].WeekLabel) == wanted ||
            trimmed(ctx.ledger.grid[i].txtDate) == wanted) {
            return i;
        }
    }
    return std::nullopt;
}

std::string alreadyPostedText(const std::string& week, int row) {
    return week + " is already posted in row " + std::to_string(row + 1);
}

void refuseWeekPostedTwice(const PayrollContext& ctx, const std::string& week, int row) {
    if (const auto posted = rowPostedFor(ctx, week, row)) {
        throw UserError("The week " + alreadyPostedText(week, *posted) +
                            " of the ledger.\r\nThe period was not posted again.",
                        "Post");
    }
}

void DeleteRow(PayrollContext& ctx, int row) {
    checkRow(row);
    LedgerGridRow& g = ctx.ledger.grid[row];
    g.txtDate = "0";
    for (std::string& cell : g.taxCells) cell = "0";
    g.txtOT = g.txtTips = g.grossText = g.netText = "0";
    LedgerRow& r = ctx.ledger.rows[row];
    r.Sdi = r.Sui = r.Cafeteria = 0;
}

void ClearLedger(PayrollContext& ctx) {
    YtdLedger& ledger = ctx.ledger;
    const int rows = rowsInUse(ctx.profile);
    for (int i = 0; i < rows; ++i) DeleteRow(ctx, i);
    for (LedgerRow& r : ledger.rows) r.Sdi = r.Sui = r.Cafeteria = 0;
    YtdTotals& t = ledger.totals;
    t.YtdSdi = t.YtdSui = t.YtdCafeteria = 0;
    t.YtdTips = Currency{};
    LedgerTotalsBoxes& b = ledger.totalBoxes;
    b.txtTotSdi = b.txtTotSui = b.txtTotCafe = b.txtTotTips = "0";
    Update(ctx);
    AddAnnual(ctx);
}

void showLedgerGrid(YtdLedger& ledger, const EmployeeProfile& profile) {
    const int rows = rowsInUse(profile);
    for (int i = 0; i < rows; ++i) {
        LedgerRow& r = ledger.rows[i];
        LedgerGridRow& g = ledger.grid[i];
        g.txtDate = r.WeekLabel;
        const auto fields = taxFields(r);
        for (int k = 0; k < kLedgerTaxCells; ++k) g.taxCells[k] = generalText(*fields[k]);
        g.txtOT = generalText(r.Overtime);
        g.txtTips = generalText(r.Tips);
        g.grossText = generalText(r.Gross);
        g.netText = generalText(r.Net);
    }
    ledger.deductionHeadings = {profile.CreditLabel, profile.BondLabel, profile.DuesLabel,
                                profile.PensionLabel, profile.MiscLabel};
}

}  // namespace corvanta
