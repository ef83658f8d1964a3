#include "core/numeric_text.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace corvanta {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Parses a plain decimal (sign, digits, point, exponent) from the start of text.
// Returns the characters used; 0 when no digit was found.
std::size_t scanNumber(const std::string& text, std::string& clean) {
    std::size_t i = 0;
    clean.clear();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) clean += text[i++];
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        clean += text[i++];
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        clean += text[i++];
        while (i < text.size() && isDigit(text[i])) {
            clean += text[i++];
            ++digits;
        }
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exp = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exp += text[j++];
        const std::size_t expStart = j;
        while (j < text.size() && isDigit(text[j])) exp += text[j++];
        if (j > expStart) {
            clean += exp;
            i = j;
        }
    }
    return i;
}

double toDouble(const std::string& clean) {
    errno = 0;
    char* end = nullptr;
    const double v = std::strtod(clean.c_str(), &end);
    if (errno == ERANGE && std::fabs(v) < 1.0) return 0.0;  // underflow reads as zero
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
    return toDouble(clean);
}

std::optional<double> strictNumber(std::string_view text) {
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && isBlank(text[b])) ++b;
    while (e > b && isBlank(text[e - 1])) --e;
    std::string body(text.substr(b, e - b));
    std::string sign;
    if (!body.empty() && (body[0] == '+' || body[0] == '-')) {
        sign = body.substr(0, 1);
        body.erase(0, 1);
    }
    if (!body.empty() && body[0] == '$') body.erase(0, 1);
    // Thousands separators are accepted between digits of the integer part only.
    std::string plain = sign;
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
    if (scanNumber(plain, clean) != plain.size() || plain.empty()) return std::nullopt;
    const double v = toDouble(clean);
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
