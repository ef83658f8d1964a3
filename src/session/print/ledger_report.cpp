#include "session/print/ledger_report.h"

#include <array>

#include "base/core/money.h"
#include "records/print/program_notice.h"
#include "session/files/employee_files.h"

namespace corvanta {
namespace {

constexpr const char* kTotalPattern = "#####.00";

struct ReportColumn {
    const char* heading;
    int tab;
};

// Week, then the fifteen amounts; the headings are fixed, whatever the profile's captions.
constexpr std::array<ReportColumn, 16> kColumns{{
    {"Week", 5},
    {"Federal", 17},
    {"SS", 30},
    {"MediCare", 43},
    {"State", 56},
    {"City", 69},
    {"MCU", 82},
    {"Bond", 95},
    {"Dues", 108},
    {"Pension", 121},
    {"Misc", 134},
    {"KPlan", 145},
    {"Tips", 156},
    {"OT", 172},
    {"Net", 182},
    {"Gross", 197},
}};

std::array<float, 15> rowAmounts(const LedgerRow& r) {
    return {r.Federal, r.SocSec, r.Medicare, r.State, r.City,     r.Credit, r.Bond, r.Dues,
            r.Pension, r.Misc,   r.KPlan,    r.Tips,  r.Overtime, r.Net,    r.Gross};
}

std::array<std::string, 15> totalTexts(const YtdTotals& t) {
    const auto f = [](float v) { return formatPattern(v, kTotalPattern); };
    const auto c = [](Currency v) { return formatPattern(v, kTotalPattern); };
    return {f(t.YtdFederal), f(t.YtdSocSec), f(t.YtdMedicare), f(t.YtdState),   f(t.YtdCity),
            f(t.YtdCredit),  f(t.YtdBond),   f(t.YtdDues),     f(t.YtdPension), f(t.YtdMisc),
            f(t.YtdKPlan),   c(t.YtdTips),   c(t.YtdOvertime), c(t.YtdNet),     c(t.YtdGross)};
}

void at(PrintColumnModel& out, int column, const std::string& text) {
    out.tab(column);
    out.write(text);
}

void writeHeading(const PayrollContext& ctx, PrintColumnModel& out, const std::string& today) {
    const PrintHeading& h = ctx.heading;
    out.setOrientation(PageOrientation::Landscape);
    out.setFontName("Arial");
    out.setFontSize(10);
    out.write(h.HeadingCompany);
    out.endLine();
    out.write(h.HeadingAddress);
    out.endLine();
    out.write(h.HeadingZip);
    at(out, 134, h.HeadingId);
    out.endLine();
    out.setFontSize(9);
    out.write("Employee:");
    at(out, 17, ctx.UserFileBase);
    at(out, 145, today);
    out.endLine();
}

// The headings and the rows do not end their lines: each row's first tab starts a new one.
void writeRows(const PayrollContext& ctx, PrintColumnModel& out) {
    out.setFontSize(8);
    for (const ReportColumn& c : kColumns) at(out, c.tab, c.heading);
    const int rows = rowsInUse(ctx.profile);
    for (int i = 0; i < rows; ++i) {
        const LedgerRow& row = ctx.ledger.rows[i];
        at(out, kColumns[0].tab, row.WeekLabel);
        const auto amounts = rowAmounts(row);
        for (std::size_t k = 0; k < amounts.size(); ++k) {
            at(out, kColumns[k + 1].tab, reportNumber(amounts[k]));
        }
    }
    at(out, 5, std::string(291, '-'));
}

void writeTotals(const YtdTotals& t, PrintColumnModel& out) {
    at(out, kColumns[0].tab, "TOTALS");
    const auto totals = totalTexts(t);
    for (std::size_t k = 0; k < totals.size(); ++k) at(out, kColumns[k + 1].tab, totals[k]);
    at(out, 56, "Total Tips: " + formatPattern(t.YtdTips, kTotalPattern));
    at(out, 95, "Total SDI: " + formatPattern(t.YtdSdi, kTotalPattern));
    at(out, 121, "Total SUI: " + formatPattern(t.YtdSui, kTotalPattern));
    at(out, 145, "Total Cafeteria: " + formatPattern(t.YtdCafeteria, kTotalPattern));
    out.endLine();
    out.endLine();
    out.setFontSize(6);
    at(out, 5, noticeLine());
    out.endLine();
}

}  // namespace

std::string reportNumber(float value) {
    const std::string digits = shortestText(value, false);
    return digits.front() == '-' ? digits + " " : " " + digits + " ";
}

void PrintYr(const PayrollContext& ctx, PrintColumnModel& out, const std::string& today) {
    writeHeading(ctx, out, today);
    writeRows(ctx, out);
    writeTotals(ctx.ledger.totals, out);
    out.endDocument();
}

}  // namespace corvanta
