#pragma once

#include <compare>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/core/user_error.h"

namespace corvanta {

// Raised when an amount leaves the range the money types can hold. A user error, so the
// command that met it reports it and undoes what it began, like any other refusal.
class MoneyOverflow : public UserError {
  public:
    MoneyOverflow() : UserError("The amount is too large.") {}
};

// Fixed-point money: the amount times 10000 in a 64-bit integer.
class Currency {
  public:
    constexpr Currency() = default;

    static constexpr Currency fromUnits(std::int64_t tenThousandths) {
        Currency c;
        c.units_ = tenThousandths;
        return c;
    }
    // Rounds to four decimals, halves to even; throws MoneyOverflow out of range.
    static Currency fromDouble(double value);
    static Currency fromFloat(float value) { return fromDouble(static_cast<double>(value)); }
    // The amount a Single shows (its 7 digits), to four decimals halves away from zero: a
    // posted 1234.56 adds 1234.56, not the 1234.5600586 of its binary value.
    static Currency fromShownSingle(float value);

    [[nodiscard]] constexpr std::int64_t units() const { return units_; }
    [[nodiscard]] double toDouble() const { return static_cast<double>(units_) / 10000.0; }
    [[nodiscard]] float toFloat() const { return static_cast<float>(toDouble()); }

    friend Currency operator+(Currency a, Currency b);
    friend Currency operator-(Currency a, Currency b);
    // NOLINTNEXTLINE(modernize-use-nullptr): clang-tidy misreads the defaulted comparison.
    friend constexpr auto operator<=>(Currency a, Currency b) = default;

  private:
    std::int64_t units_ = 0;
};

// A finite decimal: mantissa x 10^exponent. Built from the digits a value shows as text,
// so formatting rounds the digits a user would see, not the binary residue.
struct DecimalValue {
    bool negative = false;
    std::int64_t mantissa = 0;  // at most 15 digits
    int exponent = 0;
};

DecimalValue decimalOf(float value);   // 7 significant digits
DecimalValue decimalOf(double value);  // 15 significant digits
DecimalValue decimalOf(Currency value);

// Formats with a display pattern: "#,###.00", "$#,###.00", "#####.00", "###.00",
// "000000.00" (and shorter zero-padded forms), "$#,###.#0", "##.##%".
// Halves are rounded away from zero; a zero integer part under "#" is left out (".00").
std::string formatPattern(const DecimalValue& value, std::string_view pattern);
std::string formatPattern(float value, std::string_view pattern);
std::string formatPattern(double value, std::string_view pattern);
std::string formatPattern(Currency value, std::string_view pattern);

// "Round to cents": format with "#,###.00" and read the text back.
float roundToCents(float value);
double roundToCents(double value);

// Round to cents for an amount a single-precision computation produced but held wider (the
// state and local taxes): decided on the 7 digits the Single shows, as every other figure.
double roundSingleToCents(double value);

// The largest amount a Single can show to the cent (7 digits); 100,000.00 and more cannot.
inline constexpr double kLargestSingleCents = 99999.99;

// Whole dollars, halves to the even dollar.
double roundToWholeDollarsEven(double value);

// Nearest integer, halves to even (as the state methods round exemption counts).
std::int64_t roundHalfEven(double value);

// Shortest text of a value: 7 significant digits for a float, 15 for a double, no exponent
// for ordinary magnitudes, "0" for zero. With leadingZero false, 0.5 is written ".5".
std::string shortestText(float value, bool leadingZero = true);
std::string shortestText(double value, bool leadingZero = true);

// The value a shortest text denotes: a float or double re-read from its own display text.
float displayedValue(float value);
double displayedValue(double value);

// The decimal a float shows, as a double: 18.6f gives 18.6, not 18.6000003814697.
double shownAsDouble(float value);

}  // namespace corvanta
