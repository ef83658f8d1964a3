#include "session/side/overtime_sheet_ops.h"

#include <cmath>

#include "base/core/money.h"
#include "base/core/numeric_text.h"
#include "base/core/user_error.h"
#include "session/files/employee_files.h"

namespace corvanta {
namespace {

constexpr const char* kDollars = "$#,###.#0";
constexpr const char* kPercent = "##.##%";

// "##.##%" leaves a bare point before the sign for whole percents ("5.%") and nothing but
// the point for zero (".%"); the sheet shows "5%" and "0%".
std::string percentText(float fraction) {
    std::string text = formatPattern(fraction, kPercent);
    if (const auto point = text.find(".%"); point != std::string::npos) text.erase(point, 1);
    if (text.find_first_of("0123456789") == std::string::npos) text.insert(text.size() - 1, "0");
    return text;
}

// The salary and percentage are stored as Singles; a box beyond any ("1e999") is refused,
// naming it, before anything is taken.
float storedSingle(const std::string& text, const char* box) {
    const auto single = static_cast<float>(numericValue(text));
    if (std::isfinite(single)) return single;
    const std::string shown = text.size() > 40 ? text.substr(0, 40) + "..." : text;
    throw UserError(std::string("The ") + box + " \"" + shown +
                        "\" is too large.\r\nCorrect it on the OverTime Percentage sheet.",
                    kOvertimeAttentionTitle);
}

std::string sheetNumber(float value) { return shortestText(std::isfinite(value) ? value : 0.0f); }

bool blankOrZero(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos || numericValue(text) == 0.0;
}

bool blank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

void showRows(PayrollContext& ctx) {
    OvertimeSheetWindow& w = ctx.overtimeWindow;
    const int rows = rowsInUse(ctx.profile);
    for (int i = 0; i < rows; ++i) {
        w.Text1[i] = ctx.overtime.WeekEnding[i];
        w.txtOT[i] = ctx.overtime.WeekOvertime[i];
    }
}

void zeroBlankOvertime(OvertimeSheetWindow& w, int rows) {
    for (int i = 0; i < rows; ++i) {
        if (blank(w.txtOT[i])) w.txtOT[i] = "0";
    }
}

void takeRows(PayrollContext& ctx) {
    const OvertimeSheetWindow& w = ctx.overtimeWindow;
    const int rows = rowsInUse(ctx.profile);
    for (int i = 0; i < rows; ++i) {
        ctx.overtime.WeekEnding[i] = w.Text1[i];
        ctx.overtime.WeekOvertime[i] = w.txtOT[i];
    }
}

double sumOvertime(const OvertimeSheetWindow& w, int rows) {
    double sum = 0;
    for (int i = 0; i < rows; ++i) sum += numericValue(w.txtOT[i]);
    return sum;
}

void showPercent(OvertimeSheet& s, OvertimeSheetWindow& w, double annual) {
    // A salary of 0 with a percentage set has no percent of salary; say so instead.
    s.OtPercentOfSalary = annual != 0 ? static_cast<float>(s.OtEarned / annual) : 0.0f;
    w.txtPercent = percentText(s.OtPercentOfSalary);
    w.salaryHint = annual != 0 ? "" : kNoSalaryHint;
}

void showLimit(OvertimeSheet& s, OvertimeSheetWindow& w, double annual, double approved) {
    s.OtMaximum = approved * 0.01 * annual;
    s.OtAvailable = s.OtMaximum - static_cast<double>(s.OtEarned);
    w.lbMax = formatPattern(s.OtMaximum, kDollars);
    w.lbAvail = formatPattern(s.OtAvailable, kDollars);
}

// Earned, percent, limit and available into the sheet and its record, all or nothing: a
// pasted "1e999" leaves both as they were and gives false.
bool totalInto(OvertimeSheet& sheet, OvertimeSheetWindow& window, int rows, double annual,
               double approved) {
    OvertimeSheet s = sheet;
    OvertimeSheetWindow w = window;
    try {
        zeroBlankOvertime(w, rows);
        s.OtEarned = static_cast<float>(sumOvertime(w, rows));
        w.lbEarned = formatPattern(s.OtEarned, kDollars);
        showPercent(s, w, annual);
        s.AnnualSalary = static_cast<float>(annual);
        s.ApprovedPercent = static_cast<float>(approved);
        showLimit(s, w, annual, approved);
    } catch (const MoneyOverflow&) {
        return false;
    }
    sheet = s;
    window = w;
    return true;
}

}  // namespace

void FillInOT(PayrollContext& ctx) {
    OvertimeSheetWindow& w = ctx.overtimeWindow;
    w.txtAnnual = sheetNumber(ctx.overtime.AnnualSalary);
    w.txtApPercent = sheetNumber(ctx.overtime.ApprovedPercent);
    if (blankOrZero(w.txtAnnual)) w.txtAnnual = "15600";
    showRows(ctx);
    w.loaded = true;
}

void loadOvertimeSheet(PayrollContext& ctx) {
    FillInOT(ctx);
    zeroBlankOvertime(ctx.overtimeWindow, kOvertimeRows);
}

bool TotalOvertime(PayrollContext& ctx) {
    if (!ctx.overtimeWindow.loaded) loadOvertimeSheet(ctx);
    OvertimeSheetWindow& w = ctx.overtimeWindow;
    OvertimeSheet& s = ctx.overtime;
    const double annual = numericValue(w.txtAnnual);
    const double approved = numericValue(w.txtApPercent);
    if (blank(w.txtApPercent) || blank(w.txtAnnual) || (annual == 0 && approved == 0)) {
        ctx.showMessage({kOvertimeAttentionText, kOvertimeAttentionTitle});
        return false;
    }
    if (!totalInto(s, w, rowsInUse(ctx.profile), annual, approved)) {
        ctx.showMessage({kOvertimeTooLargeText, kOvertimeAttentionTitle});
        return false;
    }
    takeRows(ctx);
    saveEmployeeFileSet(ctx);
    return true;
}

void NewWeek(PayrollContext& ctx) {
    if (!ctx.overtimeWindow.loaded) loadOvertimeSheet(ctx);
    OvertimeSheetWindow& w = ctx.overtimeWindow;
    const int last = rowsInUse(ctx.profile) - 1;
    for (int i = 0; i < last; ++i) {
        w.Text1[i] = w.Text1[i + 1];
        w.txtOT[i] = w.txtOT[i + 1];
    }
    w.Text1[last] = "";
    w.txtOT[last] = "0";
}

void UndoOvertime(PayrollContext& ctx) {
    ReadEmployeeFiles(ctx);
    showRows(ctx);
    OvertimeSheetWindow& w = ctx.overtimeWindow;
    w.txtAnnual = sheetNumber(ctx.overtime.AnnualSalary);
    w.txtApPercent = sheetNumber(ctx.overtime.ApprovedPercent);
    w.loaded = true;
}

void BackOvertime(PayrollContext& ctx) {
    if (!ctx.overtimeWindow.loaded) loadOvertimeSheet(ctx);
    captureOvertimeSheet(ctx);
    saveEmployeeFileSet(ctx);
    ctx.overtimeWindow.loaded = false;
}

void ClearOvertimeSheet(PayrollContext& ctx) {
    OvertimeSheetWindow& w = ctx.overtimeWindow;
    OvertimeSheet& s = ctx.overtime;
    const int rows = rowsInUse(ctx.profile);
    for (int i = 0; i < rows; ++i) {
        w.txtOT[i] = s.WeekOvertime[i] = "0";
        w.Text1[i] = s.WeekEnding[i] = "";
    }
    if (blankOrZero(w.txtAnnual)) w.txtAnnual = "11440";
    w.txtApPercent = "0";
    s.OtEarned = 0;
    s.OtPercentOfSalary = 0;
    w.lbEarned = formatPattern(s.OtEarned, kDollars);
    w.txtPercent = percentText(s.OtPercentOfSalary);
    w.salaryHint.clear();
    s.AnnualSalary = 11440;
    s.ApprovedPercent = 0;
    // The percentage is 0, so is the limit, whatever the salary box holds (even "1e999").
    showLimit(s, w, 0, 0);
    w.loaded = true;
}

void captureOvertimeSheet(PayrollContext& ctx) {
    OvertimeSheetWindow& w = ctx.overtimeWindow;
    if (!w.loaded) return;
    const float salary = storedSingle(w.txtAnnual, "Annual Salary");
    const float percent = storedSingle(w.txtApPercent, "Approved Percentage");
    zeroBlankOvertime(w, rowsInUse(ctx.profile));
    takeRows(ctx);
    ctx.overtime.AnnualSalary = salary;
    ctx.overtime.ApprovedPercent = percent;
}

}  // namespace corvanta
