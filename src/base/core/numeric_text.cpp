#include "base/core/numeric_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace corvanta {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Copies a plain decimal (sign, digits, point, exponent) from the start of s into clean.
// Returns the characters used; 0 when no digit was found.
std::size_t scanNumber(std::string_view s, std::string& clean) {
    std::size_t i = 0;
    clean.clear();
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') clean += '-';
        ++i;
    }
    std::size_t digits = 0;
    for (; i < s.size() && isDigit(s[i]); ++i, ++digits) clean += s[i];
    if (i < s.size() && s[i] == '.') {
        clean += '.';
        for (++i; i < s.size() && isDigit(s[i]); ++i, ++digits) clean += s[i];
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
        const std::size_t start = j;
        for (; j < s.size() && isDigit(s[j]); ++j) exponent += s[j];
        if (j > start) {
            clean += exponent;
            i = j;
        }
    }
    return i;
}

// The value of a scanned number; beyond the double range it is infinite, below it zero.
double valueOf(const std::string& clean) {
    double v = 0;
    const auto res = std::from_chars(clean.data(), clean.data() + clean.size(), v);
    if (res.ec == std::errc::result_out_of_range) v = std::strtod(clean.c_str(), nullptr);
    return v;
}

}  // namespace

double numericValue(std::string_view text) {
    std::string compact;
    for (const char c : text) {
        if (!isBlank(c)) compact += c;
    }
    std::string clean;
    if (scanNumber(compact, clean) == 0) return 0.0;
    return valueOf(clean);
}

std::optional<double> entryValue(std::string_view text) {
    std::string compact;
    for (const char c : text) {
        if (kEntryCharacters.find(c) == std::string_view::npos) return std::nullopt;
        if (c != ' ') compact += c;
    }
    if (compact.find_first_of("0123456789") == std::string::npos) return 0.0;
    // One number: an optional leading minus, digits with at most one point.
    const std::size_t start = compact[0] == '-' ? 1 : 0;
    if (compact.find('-', start) != std::string::npos) return std::nullopt;
    const std::size_t point = compact.find('.');
    if (point != std::string::npos && compact.find('.', point + 1) != std::string::npos) {
        return std::nullopt;
    }
    const double v = valueOf(compact);
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

std::string entryCharactersOf(std::string_view text) {
    std::string kept;
    for (const char c : text) {
        if (kEntryCharacters.find(c) != std::string_view::npos) kept += c;
    }
    return kept;
}

std::optional<double> strictNumber(std::string_view text) {
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && isBlank(text[b])) ++b;
    while (e > b && isBlank(text[e - 1])) --e;
    std::string_view body = text.substr(b, e - b);
    std::string plain;
    if (!body.empty() && (body[0] == '+' || body[0] == '-')) {
        plain += body[0];
        body.remove_prefix(1);
    }
    if (!body.empty() && body[0] == '$') body.remove_prefix(1);
    // Thousands separators are accepted between digits of the integer part only.
    bool inInteger = true;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (c == ',' && inInteger && i > 0 && isDigit(body[i - 1]) && i + 1 < body.size() &&
            isDigit(body[i + 1])) {
            continue;
        }
        if (!isDigit(c)) inInteger = false;
        plain += c;
    }
    std::string clean;
    if (plain.empty() || scanNumber(plain, clean) != plain.size()) return std::nullopt;
    const double v = valueOf(clean);
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<float> strictSingle(std::string_view text) {
    const auto v = strictNumber(text);
    if (!v || std::fabs(*v) > static_cast<double>(std::numeric_limits<float>::max())) {
        return std::nullopt;
    }
    return static_cast<float>(*v);
}

std::optional<int> strictInteger(std::string_view text) {
    const auto v = strictNumber(text);
    if (!v || std::fabs(*v) > 32767.0) return std::nullopt;
    return static_cast<int>(std::nearbyint(*v));
}

}  // namespace corvanta
