#include "export/register_workbook.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/core/numeric_text.h"
#include "base/files/file_io.h"
#include "export/workbook_file.h"
#include "session/payroll/register_report.h"

namespace corvanta {
namespace {

// "1,234.56" or "-0.05" as the register shows amounts, or a count; nothing for other text.
std::optional<double> shownNumber(const std::string& text) {
    std::string digits;
    for (const char c : text) {
        if (c != ',') digits += c;
    }
    return strictNumber(digits);
}

bool isCount(const std::string& text) { return text.find('.') == std::string::npos; }

class RegisterSheet {
  public:
    explicit RegisterSheet(lxw_workbook* wb) : ws_(workbook_add_worksheet(wb, "Register")) {
        bold_ = workbook_add_format(wb);
        format_set_bold(bold_);
        amount_ = workbook_add_format(wb);
        format_set_num_format(amount_, "#,##0.00");
    }

    void title(const std::string& text) {
        worksheet_write_string(ws_, row_++, 0, text.c_str(), bold_);
        ++row_;
    }

    // A table, its first `textColumns` columns names or labels, its first row a heading when
    // `headed`.
    void table(const RegisterTable& t, std::size_t textColumns, bool headed) {
        for (std::size_t r = 0; r < t.size(); ++r) {
            for (std::size_t c = 0; c < t[r].size(); ++c) {
                cell(t[r][c], c, headed && r == 0, c < textColumns);
            }
            ++row_;
        }
        ++row_;
    }

    void line(const std::string& text, bool heading = false) {
        worksheet_write_string(ws_, row_++, 0, text.c_str(), heading ? bold_ : nullptr);
    }

    void finish() {
        for (std::size_t c = 0; c < widths_.size(); ++c) {
            const auto col = static_cast<lxw_col_t>(c);
            worksheet_set_column(ws_, col, col, widths_[c], nullptr);
        }
        worksheet_set_landscape(ws_);
        worksheet_fit_to_pages(ws_, 1, 0);
        worksheet_repeat_rows(ws_, 2, 2);
    }

  private:
    void cell(const std::string& text, std::size_t column, bool heading, bool isText) {
        const auto col = static_cast<lxw_col_t>(column);
        if (widths_.size() <= column) widths_.resize(column + 1, 8.0);
        widths_[column] = std::max(widths_[column], static_cast<double>(text.size()) + 2);
        const auto number = heading || isText ? std::nullopt : shownNumber(text);
        if (number) {
            worksheet_write_number(ws_, row_, col, *number, isCount(text) ? nullptr : amount_);
        } else if (!text.empty()) {
            worksheet_write_string(ws_, row_, col, text.c_str(), heading ? bold_ : nullptr);
        }
    }

    lxw_worksheet* ws_;
    lxw_format* bold_ = nullptr;
    lxw_format* amount_ = nullptr;
    lxw_row_t row_ = 0;
    std::vector<double> widths_;
};

void writeSheet(const PayrollRegister& reg, const std::filesystem::path& path,
                const std::filesystem::path& file) {
    WorkbookHandle wb(workbook_new(path.c_str()));
    if (!wb) failWorkbook(file, "the workbook could not be created");
    RegisterSheet sheet(wb.get());
    sheet.title("Payroll register " + reg.period.title);
    sheet.table(registerTable(reg), 2, true);
    const RegisterTable forms = formsTable(reg);
    // The 941 lines are label and figure; the W-2 table has a heading of box numbers.
    if (!forms.empty()) sheet.table(forms, 1, !reg.form941);
    const std::vector<std::string> checks = checkLines(reg);
    if (!checks.empty()) sheet.line("Checks:", true);
    for (const std::string& c : checks) sheet.line(c);
    sheet.finish();
    closeWorkbook(std::move(wb), file);
}

}  // namespace

void writeRegisterWorkbook(const PayrollRegister& reg, const std::filesystem::path& file,
                           bool durable) {
    produceFileAtomically(
        file, [&](const std::filesystem::path& temp) { writeSheet(reg, temp, file); }, durable);
}

}  // namespace corvanta
