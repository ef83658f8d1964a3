#pragma once

#include <QMarginsF>

namespace corvanta {

// Side margins of a quarter inch, what printers reach: the check's date sits at column 107 of
// Arial 11 points, which the stock expects 0.25 inch from the edge. Above and below 0.3 inch,
// so that the weekly ledger report (57 lines at 8 points and the notice, 560 points) fits
// one landscape Letter page. In points.
inline QMarginsF printMargins() {
    constexpr double kSideMargin = 0.25 * 72;
    constexpr double kEndMargin = 0.3 * 72;
    return {kSideMargin, kEndMargin, kSideMargin, kEndMargin};
}

// Device pixels of rounding forgiven at a tab stop.
inline constexpr double kTabSlack = 0.5;

// The resolution PDFs are laid out at: a pixel is 0.06 point.
inline constexpr int kPdfDpi = 1200;

}  // namespace corvanta
