#pragma once

#include <string>
#include <string_view>

namespace corvanta {

// The year the withholding tables are for.
inline constexpr int kTablesYear = 2008;

enum class PayDateYear { InTablesYear, OtherYear, NotADate };

// Where a pay period date box's text falls against the tables' year.
PayDateYear payDateYear(std::string_view weekText);

// What the window says beside the date box while the date is not one of the tables' year;
// empty while it is.
std::string taxYearNotice(std::string_view weekText);
// The same in a few words, for the room beside the date box; empty while it is in the year.
std::string taxYearShortNotice(std::string_view weekText);

}  // namespace corvanta
