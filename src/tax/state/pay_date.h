#pragma once

#include <chrono>
#include <optional>
#include <string_view>

namespace corvanta {

// The day a pay period date box names: "M/D/YYYY", blanks around it allowed (a saved period
// brings its date back padded). Nothing when the text is not such a date.
std::optional<std::chrono::year_month_day> readPayDate(std::string_view text);

}  // namespace corvanta
