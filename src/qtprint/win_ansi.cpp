#include "qtprint/win_ansi.h"

#include <array>
#include <cstdint>

namespace corvanta {
namespace {

// Codes 0x80 to 0x9F, where WinAnsi leaves Latin-1 for typographic characters.
constexpr std::array<char16_t, 32> kHighCodes{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr char32_t kSoftHyphen = 0xAD;

std::optional<unsigned char> codeOf(char32_t c) {
    if (c >= 0x20 && c < 0x7F) return static_cast<unsigned char>(c);
    if (c >= 0xA0 && c <= 0xFF && c != kSoftHyphen) return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < kHighCodes.size(); ++i) {
        if (kHighCodes[i] != 0 && kHighCodes[i] == c) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

// The next character of UTF-8 text, or nothing when the bytes are not well formed.
std::optional<char32_t> nextCharacter(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(at);
    int extra = 0;
    char32_t c = 0;
    if (lead < 0x80) {
        c = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        c = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (at + extra >= text.size()) return std::nullopt;
    for (int i = 1; i <= extra; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (byte(at + i) & 0x3F);
    }
    // Overlong forms are not UTF-8; no character of WinAnsi needs more than three bytes.
    if ((extra == 1 && c < 0x80) || (extra == 2 && c < 0x800) || extra == 3) return std::nullopt;
    at += extra + 1;
    return c;
}

}  // namespace

std::optional<std::string> toWinAnsi(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const auto c = nextCharacter(utf8, at);
        if (!c) return std::nullopt;
        const auto code = codeOf(*c);
        if (!code) return std::nullopt;
        out.push_back(static_cast<char>(*code));
    }
    return out;
}

char16_t winAnsiCharacter(unsigned char code) {
    if (code >= 0x80 && code < 0xA0) return kHighCodes[code - 0x80];
    if (code < 0x20 || code == 0x7F || code == kSoftHyphen) return 0;
    return code;
}

}  // namespace corvanta
