#pragma once

#include <string>
#include <vector>

#include "session/payroll/pay_run.h"

namespace corvanta {

// Reads an hours sheet (RFC 4180, a heading row naming the columns in any order; a missing
// column is empty). Throws UserError naming the file for a sheet that cannot be read, has
// no "employee" column, an unknown or repeated column, or broken quoting.
std::vector<HoursRow> readHoursSheet(const std::string& content, const std::string& fileName);

// The sheet the reader takes back: the heading "employee", the eight boxes' columns and "2x",
// then a row per employee, every cell quoted.
std::string writeHoursSheet(const std::vector<HoursRow>& rows);

}  // namespace corvanta
