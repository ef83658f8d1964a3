#pragma once

#include <QMarginsF>
#include <algorithm>

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

// Where a tab to `column` (counted from 1) puts the pen.
inline double tabStop(int column, double columnWidth) {
    return (std::max(column, 1) - 1) * columnWidth;
}

// How wide a field written at `x` may be when the next one starts at column `limit` (0: the
// page's edge). A blank's width is left before the next field, as a typed column would leave it.
inline double fieldRoom(int limit, double x, double columnWidth, double pageWidth) {
    if (limit <= 0) return pageWidth - x;
    return tabStop(limit, columnWidth) - x - columnWidth / 2;
}

// Whether a line of `lineHeight` written at `y` needs the next page. The first line of a page
// is written whatever its height.
inline bool lineOverflows(double y, double lineHeight, double pageHeight) {
    return y > 0 && y + lineHeight > pageHeight;
}

// The resolution PDFs are laid out at: a pixel is 0.06 point.
inline constexpr int kPdfDpi = 1200;

}  // namespace corvanta
