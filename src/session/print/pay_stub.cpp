#include "session/print/pay_stub.h"

#include "records/print/program_notice.h"
#include "session/files/employee_files.h"
#include "session/files/print_heading.h"
#include "session/print/amount_words.h"
#include "session/side/leave_record.h"
#include "session/ytd/ledger_file.h"

namespace corvanta {
namespace {

// Dashed rules at 10 points that end inside the printable width of the Letter page, as the
// widest figures of the stub do (203 and 198 dashes ran a fifth past its edge).
constexpr int kHeadingRule = 164;
constexpr int kSectionRule = 160;

void blankLines(PrintColumnModel& out, int count) {
    for (int i = 0; i < count; ++i) out.endLine();
}

void rule(PrintColumnModel& out, int column, int length) {
    out.tab(column);
    out.write(std::string(static_cast<std::size_t>(length), '-'));
    out.endLine();
}

void at(PrintColumnModel& out, int column, const std::string& text) {
    out.tab(column);
    out.write(text);
}

void writeHeading(const PayrollContext& ctx, PrintColumnModel& out, const std::string& today) {
    const PrintHeading& h = ctx.heading;
    out.setFontName("Arial");
    out.setFontSize(11);
    blankLines(out, 2);
    out.write(h.HeadingCompany);
    out.endLine();
    out.write(h.HeadingAddress);
    out.endLine();
    out.write(h.HeadingZip);
    at(out, 85, h.HeadingId);
    out.endLine();
    out.setFontSize(10);
    rule(out, 1, kHeadingRule);
    out.write("Employee:");
    at(out, 20, ctx.UserFileBase);
    at(out, 50, ctx.check.txtUserSSnum);
    out.endLine();
    out.endLine();
    at(out, 5, "Date:");
    at(out, 15, today);
    at(out, 85, "For Week Ending: " + ctx.window.txtWeek);
    out.endLine();
    out.endLine();
    at(out, 45, kProgramTitle);
    at(out, 65, "Version  " + versionText());
    out.endLine();
    blankLines(out, 5);
}

void writeEarnings(const StubFigures& f, PrintColumnModel& out) {
    at(out, 5, "Description");
    at(out, 30, "Rate");
    at(out, 50, "Hours");
    at(out, 65, "Earnings");
    out.endLine();
    rule(out, 5, kSectionRule);
    for (int kind = 0; kind < kEarningsKinds; ++kind) {
        const EarningsLine& line = f.earnings[kind];
        at(out, 5, line.label);
        at(out, 30, line.rate);
        at(out, 50, line.hours);
        at(out, 65, line.earnings);
        if (kind == kOt15x) at(out, 85, "YTD");
        if (kind == kTips) at(out, 85, f.ytdTips);
        out.endLine();
    }
    blankLines(out, 7);
}

void writeTaxes(const StubFigures& f, PrintColumnModel& out) {
    at(out, 65, "Taxes / Deductions");
    at(out, 100, "Current");
    at(out, 115, "YTD");
    out.endLine();
    rule(out, 5, kSectionRule);
    for (const TaxLine& line : f.taxes) {
        at(out, 65, line.label);
        at(out, 100, line.current);
        at(out, 115, line.ytd);
        out.endLine();
    }
    blankLines(out, 5);
}

void writeSummary(const PayrollContext& ctx, const StubFigures& f, PrintColumnModel& out) {
    at(out, 30, "Earnings");
    at(out, 50, "Taxes");
    at(out, 65, "Deductions");
    at(out, 85, "Net Pay");
    at(out, 100, "Period Ending");
    out.endLine();
    rule(out, 5, kSectionRule);
    out.endLine();
    at(out, 5, "Current");
    at(out, 30, f.gross);
    at(out, 50, f.taxTotal);
    at(out, 65, f.deductions);
    at(out, 85, f.net);
    out.endLine();
    at(out, 5, "YTD");
    at(out, 30, f.ytdGross);
    at(out, 50, f.ytdTaxes);
    at(out, 65, f.ytdDeductions);
    at(out, 85, f.ytdNet);
    at(out, 100, ctx.window.txtWeek);
    out.endLine();
    rule(out, 5, kSectionRule);
    out.setFontSize(6);
    at(out, 5, noticeLine());
    out.endLine();
}

}  // namespace

void writePayStub(const PayrollContext& ctx, const StubFigures& figures, PrintColumnModel& out,
                  const std::string& today) {
    out.setOrientation(PageOrientation::Portrait);
    writeHeading(ctx, out, today);
    writeEarnings(figures, out);
    writeTaxes(figures, out);
    writeSummary(ctx, figures, out);
    out.endDocument();
}

void PrintText(PayrollContext& ctx, PrintColumnModel& out, const std::string& today) {
    // The period's amounts are the last calculation's figures and the profile as the record
    // holds it; only the year-to-date totals are taken from the ledger as saved.
    LoadLedger(ctx);
    zeroEmptyBoxes(ctx);
    const StubFigures figures = stubFigures(ctx);
    ReadHeading(ctx);
    // The social security number comes from the check window, which loads unseen if needed.
    if (!ctx.check.loaded) loadCheckWindow(ctx);
    writePayStub(ctx, figures, out, today);
}

}  // namespace corvanta
