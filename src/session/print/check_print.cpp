#include "session/print/check_print.h"

#include <array>
#include <cmath>

#include "base/core/money.h"
#include "base/core/numeric_text.h"
#include "base/core/user_error.h"
#include "session/print/amount_words.h"

namespace corvanta {
namespace {

// A check and its two stubs are one Letter sheet. At 11 and 8 points the largest vertical
// offset of the dialog pushes the second stub onto a second sheet and the largest horizontal
// one the date past the edge; at these sizes every offset of the dialog stays on the sheet.
constexpr double kFaceFontSize = 10;
constexpr double kStubFontSize = 7.5;

constexpr const char* kOffsetMessage = "The printer offset must be a number, such as +2 or -1.";
constexpr double kLargestOffset = 32767;

// The kinds of pay in the order the check stubs list them.
constexpr std::array<EarningsKind, kEarningsKinds> kCheckOrder{
    kRegular1, kRegular2, kOt1x2x, kOt15x, kHoliday, kVacation, kAdjust, kTips};

double offsetValue(const std::string& text) {
    const auto value = strictNumber(text);
    if (!value || std::fabs(*value) > kLargestOffset) throw UserError(kOffsetMessage);
    return *value;
}

int wholeColumns(double value) { return static_cast<int>(roundHalfEven(value)); }

// Writes at a column moved by the horizontal offset.
class ShiftedPage {
  public:
    ShiftedPage(PrintColumnModel& out, int h) : out_(out), h_(h) {}
    void at(int column, const std::string& text) {
        out_.tab(h_ + column);
        out_.write(text);
    }
    void end(int lines = 1) {
        for (int i = 0; i < lines; ++i) out_.endLine();
    }
    PrintColumnModel& model() { return out_; }

  private:
    PrintColumnModel& out_;
    int h_;
};

void writeFace(const CheckWindow& c, int v, ShiftedPage& page) {
    page.model().setFontName("Arial");
    page.model().setFontSize(kFaceFontSize);
    if (v >= 0) page.end(v + 1);
    page.at(107, c.txtCheckDate);
    page.end(3);
    page.at(15, c.txtPayTo);
    page.at(102, c.txtCheckAmt);
    page.end(2);
    page.at(5, "*****" + c.AmountWords + "*****");
    page.end(2);
    page.at(15, c.txtUserName);
    page.at(75, c.txtUserSSnum);
    page.end();
    page.at(15, c.txtUserAddress);
    page.end();
    page.at(15, c.txtUserState);
    page.end(2);
    page.at(10, c.txtMemo);
    page.end();
    page.model().setFontSize(kStubFontSize);
    page.end(10);
}

void writeStubLines(const PayrollContext& ctx, const StubFigures& f, ShiftedPage& page) {
    const CheckWindow& c = ctx.check;
    page.at(5, c.txtPayTo);
    page.at(45, c.txtUserSSnum);
    page.at(65, "For Week Ending: " + ctx.window.txtWeek);
    page.at(125, c.txtCheckDate);
    page.end();
    page.at(5, "Description");
    page.at(30, "Rate");
    page.at(45, "Hours");
    page.at(55, "Earnings");
    page.at(65, "Taxes/Deduct");
    page.at(102, "Current");
    page.at(125, "YTD");
    page.end();
    page.at(5, std::string(198, '-'));
    page.end();
    for (int i = 0; i < kTaxLinesPrinted; ++i) {
        if (i < kEarningsKinds) {
            const EarningsLine& e = f.earnings[kCheckOrder[i]];
            page.at(5, e.label);
            page.at(30, e.rate);
            page.at(45, e.hours);
            page.at(55, e.earnings);
        }
        page.at(65, f.taxes[i].label);
        page.at(102, f.taxes[i].current);
        page.at(125, f.taxes[i].ytd);
        page.end();
    }
}

void writeStubTotals(const StubFigures& f, ShiftedPage& page) {
    page.at(30, "Earnings");
    page.at(50, "Taxes");
    page.at(65, "Deductions");
    page.at(85, "Net Pay");
    page.end();
    page.at(5, "Current");
    page.at(30, f.gross);
    page.at(50, f.taxTotal);
    page.at(65, f.deductions);
    page.at(85, f.net);
    page.end();
    page.at(5, "YTD");
    page.at(30, f.ytdGross);
    page.at(50, f.ytdTaxes);
    page.at(65, f.ytdDeductions);
    page.at(85, f.ytdNet);
    page.end();
}

}  // namespace

CheckShift checkShift(const CheckOffsetTexts& texts) {
    return CheckShift{wholeColumns(offsetValue(texts.horizontal)),
                      wholeColumns(offsetValue(texts.vertical) + 3)};
}

void PrintCheck(PayrollContext& ctx, PrintColumnModel& out, const CheckOffsetTexts& offsets) {
    zeroEmptyBoxes(ctx);
    const CheckShift shift = checkShift(offsets);
    const StubFigures figures = stubFigures(ctx);
    if (!ctx.check.loaded) loadCheckWindow(ctx);
    out.setOrientation(PageOrientation::Portrait);
    ShiftedPage page(out, shift.h);
    writeFace(ctx.check, shift.v, page);
    writeStubLines(ctx, figures, page);
    page.end(2);
    writeStubTotals(figures, page);
    page.end(7);
    writeStubLines(ctx, figures, page);
    page.end(1);
    writeStubTotals(figures, page);
    out.endDocument();
}

}  // namespace corvanta
