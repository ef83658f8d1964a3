#include "export/ledger_sheet.h"

#include <algorithm>

#include "records/print/program_notice.h"
#include "session/files/employee_files.h"

namespace corvanta {
namespace {

// Where the blocks sit for a pay frequency: weekly and bi-weekly differ in rows and in how
// far the coloured label rows reach.
struct SheetRows {
    int totals;
    int labels;
    int labelColumns;
};

SheetRows sheetRows(bool weekly) { return weekly ? SheetRows{54, 56, 7} : SheetRows{28, 31, 6}; }

std::array<std::string, kSheetColumns> headings(const EmployeeProfile& p) {
    return {"Date",        "Federal",   "Soc Sec",   "Medicare",     "State",     "City",
            p.CreditLabel, p.BondLabel, p.DuesLabel, p.PensionLabel, p.MiscLabel, "Kplan",
            "Tips",        "OT",        "Net",       "Gross"};
}

std::array<std::string, kSheetColumns> rowTexts(const LedgerGridRow& g) {
    std::array<std::string, kSheetColumns> out;
    out[0] = g.txtDate;
    std::copy(g.taxCells.begin(), g.taxCells.end(), out.begin() + 1);
    out[12] = g.txtTips;
    out[13] = g.txtOT;
    out[14] = g.netText;    // the control named txtGross holds net pay
    out[15] = g.grossText;  // and txtNet gross pay
    return out;
}

std::array<std::string, kSheetColumns> totalTexts(const LedgerTotalsBoxes& b) {
    std::array<std::string, kSheetColumns> out;
    out[0] = "TOTALS=";
    std::copy(b.taxTotals.begin(), b.taxTotals.end(), out.begin() + 1);
    out[12] = b.txtTotTips;
    out[13] = b.txtTotOT;
    out[14] = b.totalNetText;    // YtdNet
    out[15] = b.totalGrossText;  // YtdGross
    return out;
}

void addRow(LedgerSheet& sheet, int row, const std::array<std::string, kSheetColumns>& texts,
            CellStyle style) {
    for (int c = 0; c < kSheetColumns; ++c) sheet.cells.push_back({row, c + 1, texts[c], style});
}

// Labels and values under columns C to F, the colour reaching `columns` columns.
void addSideTotals(LedgerSheet& sheet, const LedgerTotalsBoxes& b, const SheetRows& rows) {
    const std::array<std::string, 4> labels{"SDI", "SUI", "Cafe", "Tips"};
    const std::array<std::string, 4> values{b.txtTotSdi, b.txtTotSui, b.txtTotCafe, b.txtTotTips};
    for (int c = 1; c <= rows.labelColumns; ++c) {
        const bool filled = c >= 3 && c <= 6;
        sheet.cells.push_back(
            {rows.labels, c, filled ? labels[c - 3] : std::string(), CellStyle::BoldRed});
        sheet.cells.push_back(
            {rows.labels + 1, c, filled ? values[c - 3] : std::string(), CellStyle::Blue});
    }
}

void fitWidths(LedgerSheet& sheet) {
    for (const SheetCell& cell : sheet.cells) {
        double& width = sheet.widths[cell.column - 1];
        const double bold = cell.style == CellStyle::BoldRed || cell.style == CellStyle::BoldBlue;
        width = std::max(width, static_cast<double>(cell.text.size()) + bold);
    }
    for (double& width : sheet.widths) width += 2;  // a little air, as an auto-fit leaves
}

}  // namespace

LedgerSheet ledgerSheet(const PayrollContext& ctx) {
    const YtdLedger& ledger = ctx.ledger;
    const int rows = rowsInUse(ctx.profile);
    const SheetRows at = sheetRows(rows == kLedgerRows);
    LedgerSheet sheet;
    addRow(sheet, 1, headings(ctx.profile), CellStyle::BoldRed);
    for (int i = 0; i < rows; ++i) addRow(sheet, i + 2, rowTexts(ledger.grid[i]), CellStyle::Plain);
    addRow(sheet, at.totals, totalTexts(ledger.totalBoxes), CellStyle::BoldBlue);
    addSideTotals(sheet, ledger.totalBoxes, at);
    fitWidths(sheet);
    const std::string& ssn = ctx.profile.EmployeeSsn;
    sheet.leftFooter = ctx.UserFileBase + "    " + ssn;
    sheet.statusText = "File: " + ctx.UserFileBase + "   " + ssn + "  -  " + makerNotice();
    return sheet;
}

}  // namespace corvanta
