#include "base/core/money.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace corvanta {
namespace {

constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 15;

constexpr std::array<double, 23> kPowersOfTen{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

__int128 pow10i(int n) {
    __int128 p = 1;
    for (int i = 0; i < n; ++i) p *= 10;
    return p;
}

DecimalValue stripTrailingZeros(DecimalValue d) {
    while (d.mantissa != 0 && d.mantissa % 10 == 0) {
        d.mantissa /= 10;
        ++d.exponent;
    }
    return d;
}

// The correctly rounded digits through the library's printing (slow, always exact).
DecimalValue decimalByPrinting(double value, int digits) {
    DecimalValue d;
    std::array<char, 48> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                   std::chars_format::scientific, digits - 1);
    const char* p = buf.data();
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    std::int64_t mantissa = 0;
    int fractionDigits = 0;
    bool afterPoint = false;
    for (; *p != 'e'; ++p) {
        if (*p == '.') {
            afterPoint = true;
            continue;
        }
        mantissa = mantissa * 10 + (*p - '0');
        if (afterPoint) ++fractionDigits;
    }
    int exponent = 0;
    const char* e = p + 1;
    const bool negativeExponent = *e == '-';
    std::from_chars(e + 1, res.ptr, exponent);
    if (negativeExponent) exponent = -exponent;
    d.mantissa = mantissa;
    d.exponent = exponent - fractionDigits;
    return stripTrailingZeros(d);
}

DecimalValue decimalWithDigits(double value, int digits) {
    if (!std::isfinite(value)) throw MoneyOverflow();
    if (value == 0.0) return DecimalValue{};
    // Fast path: scale to an integer of `digits` digits. The product is exact to well under
    // half a unit, so unless it lies near a half its rounding is the correct one.
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e-6 && magnitude < 1e15) {
        // floor(log10) estimated from the binary exponent; the loop below corrects it by one.
        const int binaryExponent =
            static_cast<int>((std::bit_cast<std::uint64_t>(magnitude) >> 52) & 0x7ff) - 1023;
        int exponent = (binaryExponent * 78913) >> 18;
        const double lowest = kPowersOfTen[static_cast<std::size_t>(digits - 1)];
        for (int attempt = 0; attempt < 3; ++attempt) {
            const int shift = digits - 1 - exponent;
            if (shift < 0 || shift >= static_cast<int>(kPowersOfTen.size())) break;
            const double scaled = magnitude * kPowersOfTen[static_cast<std::size_t>(shift)];
            if (scaled >= lowest * 10) {
                ++exponent;
                continue;
            }
            if (scaled < lowest) {
                --exponent;
                continue;
            }
            const double fraction = scaled - std::floor(scaled);
            const double margin = std::max(1e-9, scaled * 4.5e-16);  // over one rounding error
            if (std::fabs(fraction - 0.5) < margin) break;
            DecimalValue d;
            d.negative = value < 0;
            d.mantissa = static_cast<std::int64_t>(std::nearbyint(scaled));
            d.exponent = -shift;
            return stripTrailingZeros(d);
        }
    }
    return decimalByPrinting(value, digits);
}

constexpr std::array<std::uint64_t, 20> kIntegerPowers{1ULL,
                                                       10ULL,
                                                       100ULL,
                                                       1000ULL,
                                                       10000ULL,
                                                       100000ULL,
                                                       1000000ULL,
                                                       10000000ULL,
                                                       100000000ULL,
                                                       1000000000ULL,
                                                       10000000000ULL,
                                                       100000000000ULL,
                                                       1000000000000ULL,
                                                       10000000000000ULL,
                                                       100000000000000ULL,
                                                       1000000000000000ULL,
                                                       10000000000000000ULL,
                                                       100000000000000000ULL,
                                                       1000000000000000000ULL,
                                                       10000000000000000000ULL};

// |value| x 10^decimals rounded half away from zero, as an integer.
__int128 scaledMagnitude(const DecimalValue& d, int decimals) {
    const int shift = d.exponent + decimals;
    const auto mantissa = static_cast<std::uint64_t>(d.mantissa);
    if (shift >= 0) {
        if (shift > 20) throw MoneyOverflow();
        std::uint64_t product = 0;
        if (shift < static_cast<int>(kIntegerPowers.size()) &&
            !__builtin_mul_overflow(mantissa, kIntegerPowers[static_cast<std::size_t>(shift)],
                                    &product)) {
            return product;
        }
        return static_cast<__int128>(mantissa) * pow10i(shift);
    }
    if (-shift > 19) return 0;
    const std::uint64_t divisor = kIntegerPowers[static_cast<std::size_t>(-shift)];
    const std::uint64_t quotient = mantissa / divisor;
    const std::uint64_t remainder = mantissa % divisor;
    return remainder >= divisor - remainder ? quotient + 1 : quotient;
}

// Appends the decimal digits of a non-negative value, at least minDigits of them.
void appendDigits(std::string& out, __int128 value, int minDigits = 1) {
    std::array<char, 48> buf{};
    int n = 0;
    if (value <= static_cast<__int128>(std::numeric_limits<std::uint64_t>::max())) {
        auto small = static_cast<std::uint64_t>(value);
        while (small > 0 || n < minDigits) {
            buf[static_cast<std::size_t>(n++)] = static_cast<char>('0' + small % 10);
            small /= 10;
        }
    } else {
        while (value > 0 || n < minDigits) {
            buf[static_cast<std::size_t>(n++)] =
                static_cast<char>('0' + static_cast<int>(value % 10));
            value /= 10;
        }
    }
    while (n > 0) out += buf[static_cast<std::size_t>(--n)];
}

struct PatternParts {
    std::string_view prefix;
    std::string_view suffix;
    int minInteger = 0;
    bool grouping = false;
    int decimals = 0;
    int minDecimals = 0;
    bool showPoint = false;
    bool percent = false;
};

PatternParts parsePattern(std::string_view pattern) {
    PatternParts p;
    std::size_t i = 0;
    auto isDigitPlace = [](char c) { return c == '#' || c == '0'; };
    while (i < pattern.size() && !isDigitPlace(pattern[i]) && pattern[i] != '.') ++i;
    p.prefix = pattern.substr(0, i);
    for (; i < pattern.size() && (isDigitPlace(pattern[i]) || pattern[i] == ','); ++i) {
        if (pattern[i] == '0') ++p.minInteger;
        if (pattern[i] == ',') p.grouping = true;
    }
    if (i < pattern.size() && pattern[i] == '.') {
        p.showPoint = true;
        for (++i; i < pattern.size() && isDigitPlace(pattern[i]); ++i) {
            ++p.decimals;
            if (pattern[i] == '0') p.minDecimals = p.decimals;
        }
    }
    p.suffix = pattern.substr(i);
    p.percent = p.suffix.find('%') != std::string_view::npos;
    return p;
}

double toDouble(const DecimalValue& d) {
    auto v = static_cast<double>(d.mantissa);
    if (d.exponent >= 0 && d.exponent < static_cast<int>(kPowersOfTen.size())) {
        v *= kPowersOfTen[static_cast<std::size_t>(d.exponent)];
    } else if (d.exponent < 0 && -d.exponent < static_cast<int>(kPowersOfTen.size())) {
        v /= kPowersOfTen[static_cast<std::size_t>(-d.exponent)];  // one correctly rounded step
    } else {
        v *= std::pow(10.0, d.exponent);
    }
    return d.negative ? -v : v;
}

// The value rounded to cents the way the "#,###.00" text shows it, read back.
double centsValue(const DecimalValue& d) {
    const __int128 cents = scaledMagnitude(d, 2);
    const double v = static_cast<double>(cents) / 100.0;
    return d.negative ? -v : v;
}

}  // namespace

Currency Currency::fromDouble(double value) {
    const double scaled = value * 10000.0;
    constexpr double kLimit = 9.2e18;
    if (!std::isfinite(scaled) || std::fabs(scaled) > kLimit) throw MoneyOverflow();
    const double fraction = scaled - std::floor(scaled);
    if (std::fabs(fraction - 0.5) > 1e-6) {
        return fromUnits(static_cast<std::int64_t>(std::nearbyint(scaled)));
    }
    // Near a half: decide on the digits the value shows (0.00015 is a half, not 1.49999...).
    const DecimalValue d = decimalOf(value);
    const int shift = d.exponent + 4;
    __int128 units = 0;
    if (shift >= 0) {
        units = static_cast<__int128>(d.mantissa) * pow10i(shift);
    } else {
        const __int128 divisor = pow10i(-shift);
        units = d.mantissa / divisor;
        const __int128 twice = (d.mantissa % divisor) * 2;
        if (twice > divisor || (twice == divisor && units % 2 != 0)) ++units;
    }
    const auto result = static_cast<std::int64_t>(units);
    return fromUnits(d.negative ? -result : result);
}

Currency Currency::fromShownSingle(float value) {
    if (!std::isfinite(value)) throw MoneyOverflow();
    const DecimalValue d = decimalOf(value);
    const __int128 scaled = scaledMagnitude(d, 4);
    if (scaled > std::numeric_limits<std::int64_t>::max()) throw MoneyOverflow();
    const auto units = static_cast<std::int64_t>(scaled);
    return fromUnits(d.negative ? -units : units);
}

Currency operator+(Currency a, Currency b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a.units_, b.units_, &sum)) throw MoneyOverflow();
    return Currency::fromUnits(sum);
}

Currency operator-(Currency a, Currency b) {
    std::int64_t diff = 0;
    if (__builtin_sub_overflow(a.units_, b.units_, &diff)) throw MoneyOverflow();
    return Currency::fromUnits(diff);
}

DecimalValue decimalOf(float value) {
    return decimalWithDigits(static_cast<double>(value), kSingleDigits);
}

DecimalValue decimalOf(double value) { return decimalWithDigits(value, kDoubleDigits); }

DecimalValue decimalOf(Currency value) {
    DecimalValue d;
    const std::int64_t units = value.units();
    d.negative = units < 0;
    d.mantissa = units < 0 ? -units : units;
    d.exponent = -4;
    return d;
}

std::string formatPattern(const DecimalValue& value, std::string_view pattern) {
    const PatternParts p = parsePattern(pattern);
    DecimalValue d = value;
    if (p.percent) d.exponent += 2;
    const __int128 scaled = scaledMagnitude(d, p.decimals);
    const auto unit = static_cast<__int128>(kIntegerPowers[static_cast<std::size_t>(p.decimals)]);
    // Digits are produced backwards into a buffer: fraction, point, grouped integer part.
    std::array<char, 96> buf{};
    std::size_t at = buf.size();
    auto put = [&](char c) { buf[--at] = c; };
    auto putText = [&](std::string_view text) {
        for (std::size_t i = text.size(); i > 0; --i) put(text[i - 1]);
    };
    putText(p.suffix);
    auto digits = [&](auto integer, auto rest) {
        if (p.showPoint) {
            int shown = p.decimals;
            while (shown > p.minDecimals && rest % 10 == 0) {
                rest /= 10;
                --shown;
            }
            for (int i = 0; i < shown; ++i, rest /= 10) put(static_cast<char>('0' + rest % 10));
            put('.');
        }
        for (int count = 0; integer > 0 || count < p.minInteger; ++count, integer /= 10) {
            if (p.grouping && count > 0 && count % 3 == 0) put(',');
            put(static_cast<char>('0' + integer % 10));
        }
    };
    if (scaled <= static_cast<__int128>(std::numeric_limits<std::uint64_t>::max())) {
        const auto small = static_cast<std::uint64_t>(scaled);
        const auto unit64 = static_cast<std::uint64_t>(unit);
        digits(small / unit64, small % unit64);
    } else {
        digits(scaled / unit, scaled % unit);
    }
    putText(p.prefix);
    if (d.negative && scaled != 0) put('-');
    return {buf.data() + at, buf.size() - at};
}

std::string formatPattern(float value, std::string_view pattern) {
    return formatPattern(decimalOf(value), pattern);
}
std::string formatPattern(double value, std::string_view pattern) {
    return formatPattern(decimalOf(value), pattern);
}
std::string formatPattern(Currency value, std::string_view pattern) {
    return formatPattern(decimalOf(value), pattern);
}

float roundToCents(float value) { return static_cast<float>(centsValue(decimalOf(value))); }

double roundToCents(double value) { return centsValue(decimalOf(value)); }

double roundSingleToCents(double value) { return centsValue(decimalOf(static_cast<float>(value))); }

double roundToWholeDollarsEven(double value) { return std::nearbyint(value); }

std::int64_t roundHalfEven(double value) {
    if (!std::isfinite(value) || std::fabs(value) > 9.2e18) throw MoneyOverflow();
    return static_cast<std::int64_t>(std::nearbyint(value));
}

namespace {

std::string shortestFrom(const DecimalValue& d, bool leadingZero) {
    if (d.mantissa == 0) return "0";
    std::string digits;
    appendDigits(digits, d.mantissa);
    const int n = static_cast<int>(digits.size());
    const int pointPos = n + d.exponent;  // digits before the point
    std::string out = d.negative ? "-" : "";
    constexpr int kMaxFixedWidth = 15;
    if (pointPos > kMaxFixedWidth || pointPos < -5) {
        out += digits.front();
        if (n > 1) {
            out += '.';
            out.append(digits, 1);
        }
        const int exp = pointPos - 1;
        out += exp < 0 ? "E-" : "E+";
        if (std::abs(exp) < 10) out += '0';
        out += std::to_string(std::abs(exp));
        return out;
    }
    if (pointPos <= 0) {
        out += leadingZero ? "0." : ".";
        out.append(static_cast<std::size_t>(-pointPos), '0');
        out += digits;
        return out;
    }
    if (pointPos >= n) {
        out += digits;
        out.append(static_cast<std::size_t>(pointPos - n), '0');
        return out;
    }
    out.append(digits, 0, static_cast<std::size_t>(pointPos));
    out += '.';
    out.append(digits, static_cast<std::size_t>(pointPos));
    return out;
}

}  // namespace

std::string shortestText(float value, bool leadingZero) {
    return shortestFrom(decimalOf(value), leadingZero);
}

std::string shortestText(double value, bool leadingZero) {
    return shortestFrom(decimalOf(value), leadingZero);
}

float displayedValue(float value) { return static_cast<float>(toDouble(decimalOf(value))); }

double displayedValue(double value) { return toDouble(decimalOf(value)); }

double shownAsDouble(float value) { return toDouble(decimalOf(value)); }

}  // namespace corvanta
