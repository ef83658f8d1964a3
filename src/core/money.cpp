#include "core/money.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "core/numeric_text.h"

namespace corvanta {
namespace {

constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 15;

DecimalValue decimalWithDigits(double value, int digits) {
    if (!std::isfinite(value)) throw MoneyOverflow();
    DecimalValue d;
    if (value == 0.0) return d;
    std::array<char, 64> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                   std::chars_format::scientific, digits - 1);
    std::string_view text(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
    if (text.front() == '-') {
        d.negative = true;
        text.remove_prefix(1);
    }
    const auto e = text.find('e');
    std::int64_t mantissa = 0;
    int fractionDigits = 0;
    bool afterPoint = false;
    for (const char c : text.substr(0, e)) {
        if (c == '.') {
            afterPoint = true;
            continue;
        }
        mantissa = mantissa * 10 + (c - '0');
        if (afterPoint) ++fractionDigits;
    }
    int exponent = std::atoi(std::string(text.substr(e + 1)).c_str()) - fractionDigits;
    while (mantissa != 0 && mantissa % 10 == 0) {
        mantissa /= 10;
        ++exponent;
    }
    d.mantissa = mantissa;
    d.exponent = exponent;
    return d;
}

__int128 pow10i(int n) {
    __int128 p = 1;
    for (int i = 0; i < n; ++i) p *= 10;
    return p;
}

// |value| x 10^decimals rounded half away from zero, as an integer.
__int128 scaledMagnitude(const DecimalValue& d, int decimals) {
    const int shift = d.exponent + decimals;
    if (shift >= 0) {
        if (shift > 20) throw MoneyOverflow();
        return static_cast<__int128>(d.mantissa) * pow10i(shift);
    }
    if (-shift > 19) return 0;
    const __int128 divisor = pow10i(-shift);
    const __int128 quotient = d.mantissa / divisor;
    const __int128 remainder = d.mantissa % divisor;
    return remainder * 2 >= divisor ? quotient + 1 : quotient;
}

std::string digitsOf(__int128 value) {
    if (value == 0) return "0";
    std::string s;
    while (value > 0) {
        s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
        value /= 10;
    }
    return s;
}

struct PatternParts {
    std::string prefix;
    std::string suffix;
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
    while (i < pattern.size() && !isDigitPlace(pattern[i]) && pattern[i] != '.') {
        p.prefix += pattern[i++];
    }
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
    p.suffix = std::string(pattern.substr(i));
    p.percent = p.suffix.find('%') != std::string::npos;
    return p;
}

std::string groupThousands(const std::string& digits) {
    std::string out;
    const auto n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
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
    const __int128 unit = pow10i(p.decimals);
    std::string integer = scaled / unit == 0 ? "" : digitsOf(scaled / unit);
    while (static_cast<int>(integer.size()) < p.minInteger) integer.insert(integer.begin(), '0');
    if (p.grouping) integer = groupThousands(integer);
    std::string fraction = digitsOf(scaled % unit);
    while (static_cast<int>(fraction.size()) < p.decimals) fraction.insert(fraction.begin(), '0');
    while (static_cast<int>(fraction.size()) > p.minDecimals && fraction.back() == '0') {
        fraction.pop_back();
    }
    std::string out = (d.negative && scaled != 0) ? "-" : "";
    out += p.prefix + integer;
    if (p.showPoint) {
        out += '.';
        out += fraction;
    }
    out += p.suffix;
    return out;
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

float roundToCents(float value) {
    return static_cast<float>(strictNumber(formatPattern(value, "#,###.00")).value_or(0.0));
}

double roundToCents(double value) {
    return strictNumber(formatPattern(value, "#,###.00")).value_or(0.0);
}

double roundToWholeDollarsEven(double value) { return std::nearbyint(value); }

std::int64_t roundHalfEven(double value) {
    if (!std::isfinite(value) || std::fabs(value) > 9.2e18) throw MoneyOverflow();
    return static_cast<std::int64_t>(std::nearbyint(value));
}

namespace {

std::string shortestFrom(const DecimalValue& d, bool leadingZero) {
    if (d.mantissa == 0) return "0";
    std::string digits = digitsOf(d.mantissa);
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

float displayedValue(float value) {
    return static_cast<float>(strictNumber(shortestText(value)).value_or(0.0));
}

double displayedValue(double value) { return strictNumber(shortestText(value)).value_or(0.0); }

double shownAsDouble(float value) { return strictNumber(shortestText(value)).value_or(0.0); }

}  // namespace corvanta
