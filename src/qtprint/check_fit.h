#pragma once

#include "session/core/payroll_context.h"
#include "session/print/check_print.h"

namespace corvanta {

// The dialog's offsets run from -5 to +5.
inline constexpr int kSmallestOffset = -5;
inline constexpr int kLargestOffset = 5;

// Whether the check printed at the offsets stays on its one Letter sheet (every field inside
// the printable width, the second stub on the first page), and the largest offset of each
// direction that does, the other direction as typed; a direction in which none fits gives
// kSmallestOffset - 1.
struct CheckFit {
    bool horizontalFits = true;
    bool verticalFits = true;
    int largestHorizontal = kLargestOffset;
    int largestVertical = kLargestOffset;
    [[nodiscard]] bool fits() const { return horizontalFits && verticalFits; }
};

// Prints the check onto a scratch sheet at printer resolution, leaving the context as it was.
// Throws UserError when an offset is not a number.
CheckFit checkFit(const PayrollContext& ctx, const CheckOffsetTexts& offsets);

// Throws UserError naming the direction and the largest offset that fits when the check
// would leave its sheet at the offsets.
void requireCheckFits(const PayrollContext& ctx, const CheckOffsetTexts& offsets);

}  // namespace corvanta
