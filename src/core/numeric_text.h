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

// As strictNumber, and within the range of a 32-bit float.
std::optional<float> strictSingle(std::string_view text);

// As strictNumber, and a whole number within the range of a 16-bit integer.
std::optional<int> strictInteger(std::string_view text);

}  // namespace corvanta
