#include "export/ledger_workbook.h"

#include <map>
#include <utility>

#include "base/core/numeric_text.h"
#include "base/files/file_io.h"
#include "export/workbook_file.h"
#include "records/print/program_notice.h"

namespace corvanta {
namespace {

constexpr lxw_color_t kRed = 0xFF0000;
constexpr lxw_color_t kBlue = 0x0000FF;
constexpr std::size_t kFooterPartLimit = 80;  // three parts within the format's 255 characters

// "&" starts a code in a footer; a literal one is doubled.
std::string footerText(const std::string& text) {
    std::string out;
    for (const char c : text.substr(0, kFooterPartLimit)) {
        out += c;
        if (c == '&') out += '&';
    }
    return out;
}

std::map<CellStyle, lxw_format*> makeFormats(lxw_workbook* wb) {
    std::map<CellStyle, lxw_format*> formats{{CellStyle::Plain, nullptr}};
    const auto styled = [wb](bool bold, lxw_color_t color) {
        lxw_format* f = workbook_add_format(wb);
        if (bold) format_set_bold(f);
        format_set_font_color(f, color);
        return f;
    };
    formats[CellStyle::BoldRed] = styled(true, kRed);
    formats[CellStyle::BoldBlue] = styled(true, kBlue);
    formats[CellStyle::Blue] = styled(false, kBlue);
    return formats;
}

void writeCell(lxw_worksheet* ws, const SheetCell& cell, lxw_format* format) {
    const auto row = static_cast<lxw_row_t>(cell.row - 1);
    const auto col = static_cast<lxw_col_t>(cell.column - 1);
    if (cell.text.empty()) {
        if (format != nullptr) worksheet_write_blank(ws, row, col, format);
        return;
    }
    if (const auto number = strictNumber(cell.text)) {
        worksheet_write_number(ws, row, col, *number, format);
    } else {
        worksheet_write_string(ws, row, col, cell.text.c_str(), format);
    }
}

void setUpPage(lxw_worksheet* ws, const LedgerSheet& sheet) {
    worksheet_set_landscape(ws);
    worksheet_freeze_panes(ws, 1, 0);
    for (int c = 0; c < kSheetColumns; ++c) {
        worksheet_set_column(ws, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                             sheet.widths[c], nullptr);
    }
    const std::string footer = "&L" + footerText(sheet.leftFooter) + "&CCorvanta 2008\xC2\xAE&R" +
                               footerText(makerNotice());
    worksheet_set_footer(ws, footer.c_str());
    worksheet_fit_to_pages(ws, 1, 1);
    worksheet_set_margins(ws, 0, 0, 0, 0);
    // The header and footer distances have no zero setting in the library's options.
    ws->margin_header = 0;
    ws->margin_footer = 0;
    worksheet_center_horizontally(ws);
}

}  // namespace

void writeLedgerWorkbook(const LedgerSheet& sheet, const std::filesystem::path& path,
                         const std::filesystem::path& file) {
    WorkbookHandle wb(workbook_new(path.c_str()));
    if (!wb) failWorkbook(file, "the workbook could not be created");
    lxw_worksheet* ws = workbook_add_worksheet(wb.get(), nullptr);
    const auto formats = makeFormats(wb.get());
    for (const SheetCell& cell : sheet.cells) writeCell(ws, cell, formats.at(cell.style));
    setUpPage(ws, sheet);
    lxw_doc_properties properties{};
    properties.title = const_cast<char*>("Year To Date");
    properties.comments = const_cast<char*>(sheet.statusText.c_str());
    workbook_set_properties(wb.get(), &properties);
    closeWorkbook(std::move(wb), file);
}

void ToExcel(const PayrollContext& ctx, const std::filesystem::path& file) {
    const LedgerSheet sheet = ledgerSheet(ctx);
    produceFileAtomically(
        file,
        [&sheet, &file](const std::filesystem::path& temp) {
            writeLedgerWorkbook(sheet, temp, file);
        },
        ctx.durableWrites);
}

}  // namespace corvanta
