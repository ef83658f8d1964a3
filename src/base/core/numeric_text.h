#pragma once

#include <optional>
#include <string_view>

namespace corvanta {

// The number at the start of a text, blanks ignored anywhere, 0 when the text does not start
// with a number ("1-2" gives 1, "abc" gives 0, " 1 2" gives 12). A leading number too large
// for a double gives plus or minus infinity, so callers can refuse it rather than read 0.
double numericValue(std::string_view text);

// The whole text as a number: surrounding blanks, a sign, thousands separators, a decimal
// point, an exponent and a leading "$" are accepted; anything else ("1-2", "", "-") is not.
std::optional<double> strictNumber(std::string_view text);

// The characters an entry box takes: digits, blank, minus and point.
inline constexpr std::string_view kEntryCharacters = "0123456789 -.";

// An entry box's text as the calculation reads it, however it arrived (typed, pasted, from the
// command line or a saved period). Empty text, or text of blanks, "-" and "." only, is 0; one
// plain decimal number ("-12.5", "1 2" with blanks ignored) is its value; anything else
// ("80,5", "$80", "ten", "1-2") is no value, so the calculation can refuse it.
std::optional<double> entryValue(std::string_view text);

// The text with every character a key press in an entry box would drop left out, so a paste
// leaves in the box what typing the same keys would.
std::string entryCharactersOf(std::string_view text);

// As strictNumber, and within the range of a 32-bit float.
std::optional<float> strictSingle(std::string_view text);

// As strictNumber, and a whole number within the range of a 16-bit integer.
std::optional<int> strictInteger(std::string_view text);

}  // namespace corvanta
