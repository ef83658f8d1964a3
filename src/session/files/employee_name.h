#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace corvanta {

// The longest name, in bytes, for which every file of a group can be written: the saved
// period's name (date, two blanks, name, ".prv") while it is written under its temporary name.
std::size_t longestEmployeeName();

// employeeNameProblem, and for a group about to be made (New, or saved under a new name) also
// a name starting with "." (hidden from the open dialog) or too long for its files.
std::optional<std::string> newEmployeeNameProblem(const std::string& name);

}  // namespace corvanta
