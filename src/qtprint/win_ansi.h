#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvanta {

// The text in the PDF standard fonts' WinAnsiEncoding, one byte a character; nothing when a
// character has no code there (or the text is not UTF-8), so that it is printed otherwise.
// Control characters and the soft hyphen are refused: a printer shows them as nothing.
std::optional<std::string> toWinAnsi(std::string_view utf8);

// The character a WinAnsi code stands for; 0 for the codes that hold none.
char16_t winAnsiCharacter(unsigned char code);

}  // namespace corvanta
