#include "session/print/check_print.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/core/money.h"
#include "base/core/numeric_text.h"
#include "base/core/user_error.h"
#include "session/print/amount_words.h"

namespace corvanta {
namespace {

// The sizes the pre-printed stock is laid out for: every column and line of the face and the
// stubs lands in its box only at these. Offsets that would push a field off the sheet at them
// are refused before printing (checkOffsetLimits).
constexpr double kFaceFontSize = 11;
constexpr double kStubFontSize = 8;
// The last field of a line runs to the page's edge.
constexpr int kToEdge = 0;

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
    // A field cut where the next one begins, so it is never wrapped onto another line.
    void at(int column, const std::string& text, int nextColumn) {
        out_.tab(h_ + column);
        out_.writeUpTo(text, nextColumn == kToEdge ? kToEdge : std::max(h_ + nextColumn, 1));
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
    page.end();
    // The first of the two blank lines under the date carries the check's number.
    if (!c.checkNumber.empty()) page.at(107, "No. " + c.checkNumber, kToEdge);
    page.end(2);
    page.at(15, c.txtPayTo, 102);
    page.at(102, c.txtCheckAmt);
    page.end(2);
    page.at(5, "*****" + c.AmountWords + "*****", kToEdge);
    page.end(2);
    page.at(15, c.txtUserName, 75);
    page.at(75, c.txtUserSSnum);
    page.end();
    page.at(15, c.txtUserAddress, 102);
    page.end();
    page.at(15, c.txtUserState, 102);
    page.end(2);
    page.at(10, c.txtMemo, 102);
    page.end();
    page.model().setFontSize(kStubFontSize);
    page.end(10);
}

void writeStubLines(const PayrollContext& ctx, const StubFigures& f, ShiftedPage& page) {
    const CheckWindow& c = ctx.check;
    page.at(5, c.txtPayTo, 45);
    page.at(45, c.txtUserSSnum, 65);
    page.at(65, "For Week Ending: " + ctx.window.txtWeek, 125);
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
    page.at(5, std::string(198, '-'), kToEdge);
    page.end();
    for (int i = 0; i < kTaxLinesPrinted; ++i) {
        if (i < kEarningsKinds) {
            const EarningsLine& e = f.earnings[kCheckOrder[i]];
            page.at(5, e.label, 30);
            page.at(30, e.rate, 45);
            page.at(45, e.hours, 55);
            page.at(55, e.earnings, 65);
        }
        page.at(65, f.taxes[i].label, 102);
        page.at(102, f.taxes[i].current, 125);
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
    page.at(30, f.gross, 50);
    page.at(50, f.taxTotal, 65);
    page.at(65, f.deductions, 85);
    page.at(85, f.net);
    page.end();
    page.at(5, "YTD");
    page.at(30, f.ytdGross, 50);
    page.at(50, f.ytdTaxes, 65);
    page.at(65, f.ytdDeductions, 85);
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
