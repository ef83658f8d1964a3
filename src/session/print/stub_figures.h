#pragma once

#include <array>
#include <string>

#include "session/core/payroll_context.h"

namespace corvanta {

inline constexpr const char* kRatePattern = "###.00";        // R
inline constexpr const char* kEarningsPattern = "#####.00";  // E

// One kind of pay as printed: rate and hours "###.00", earnings "#####.00".
struct EarningsLine {
    std::string label;
    std::string rate;
    std::string hours;
    std::string earnings;
};

// One tax or deduction as printed, current and year to date, "#####.00".
struct TaxLine {
    std::string label;
    std::string current;
    std::string ytd;
};

enum EarningsKind { kRegular1, kRegular2, kOt1x2x, kOt15x, kTips, kHoliday, kVacation, kAdjust };
inline constexpr int kEarningsKinds = 8;
inline constexpr int kTaxLinesPrinted = 14;

// Everything the pay stub and the check stubs print, derived from the last calculation, the
// entry boxes, the profile and the year-to-date totals.
struct StubFigures {
    std::array<EarningsLine, kEarningsKinds> earnings;  // indexed by EarningsKind
    std::array<TaxLine, kTaxLinesPrinted> taxes;
    std::string ytdTips;
    std::string gross, taxTotal, deductions, net;  // the current period
    std::string ytdGross, ytdTaxes, ytdDeductions, ytdNet;
};

// Throws UserError when a derived amount overflows; nothing is then printed.
StubFigures stubFigures(const PayrollContext& ctx);

// Sets every empty entry box to "0", as printing does before it reads them.
void zeroEmptyBoxes(PayrollContext& ctx);

}  // namespace corvanta
