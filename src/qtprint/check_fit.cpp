#include "qtprint/check_fit.h"

#include <algorithm>
#include <string>

#include "base/core/user_error.h"
#include "qtprint/pdf_output.h"
#include "qtprint/qt_page_printer.h"
#include "qtprint/standard_font_printer.h"

namespace corvanta {
namespace {

struct SheetUse {
    bool insideWidth = false;
    bool onePage = false;
};

// Both offsets as whole numbers, in the dialog's form.
std::string offsetText(int offset) {
    return offset > 0 ? "+" + std::to_string(offset) : std::to_string(offset);
}

template <class Printer>
SheetUse sheetUseOf(const Printer& page) {
    return {page.rightmostEdge() <= page.printableWidth(), page.pageCount() == 1};
}

SheetUse printedAt(const PayrollContext& ctx, int horizontal, int vertical) {
    PayrollContext scratch = ctx;
    scratch.showMessage = [](const UserMessage&) {};
    const CheckOffsetTexts offsets{offsetText(horizontal), offsetText(vertical)};
    // Laid out as its PDF is, without making one.
    StandardFontPrinter standard;
    PrintCheck(scratch, standard, offsets);
    if (standard.printable()) return sheetUseOf(standard);
    scratch = ctx;
    scratch.showMessage = [](const UserMessage&) {};
    SheetUse use;
    letterPdf(
        [&](QPagedPaintDevice& device) {
            QtPagePrinter page(device);
            PrintCheck(scratch, page, offsets);
            use = sheetUseOf(page);
        },
        // A lower resolution than the printer's measures the same points, much faster.
        300);
    return use;
}

}  // namespace

CheckFit checkFit(const PayrollContext& ctx, const CheckOffsetTexts& offsets) {
    const CheckShift typed = checkShift(offsets);
    const int horizontal = typed.h;
    const int vertical = typed.v - 3;
    CheckFit fit;
    const SheetUse use = printedAt(ctx, horizontal, vertical);
    fit.horizontalFits = use.insideWidth;
    fit.verticalFits = use.onePage;
    // The largest offsets that fit are searched only when needed: each is a printout.
    if (!fit.horizontalFits) {
        fit.largestHorizontal = kSmallestOffset - 1;
        for (int h = std::min(horizontal, kLargestOffset + 1) - 1; h >= kSmallestOffset; --h) {
            if (printedAt(ctx, h, vertical).insideWidth) {
                fit.largestHorizontal = h;
                break;
            }
        }
    }
    if (!fit.verticalFits) {
        fit.largestVertical = kSmallestOffset - 1;
        for (int v = std::min(vertical, kLargestOffset + 1) - 1; v >= kSmallestOffset; --v) {
            if (printedAt(ctx, horizontal, v).onePage) {
                fit.largestVertical = v;
                break;
            }
        }
    }
    return fit;
}

void requireCheckFits(const PayrollContext& ctx, const CheckOffsetTexts& offsets) {
    const CheckFit fit = checkFit(ctx, offsets);
    if (fit.fits()) return;
    const auto advice = [](const char* direction, const std::string& typed, int largest) {
        std::string text = std::string("The ") + direction + " offset " + typed +
                           " would put part of the check off its sheet. ";
        if (largest < kSmallestOffset) return text + "No offset of the list fits with the other.";
        return text + "The largest " + direction + " offset that fits is " + offsetText(largest) +
               ".";
    };
    std::string message;
    if (!fit.horizontalFits) {
        message += advice("horizontal", offsets.horizontal, fit.largestHorizontal);
    }
    if (!fit.verticalFits) {
        if (!message.empty()) message += "\r\n";
        message += advice("vertical", offsets.vertical, fit.largestVertical);
    }
    throw UserError(message, "Printer Offset");
}

}  // namespace corvanta
