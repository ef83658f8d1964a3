#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "records/checks/issued_check.h"

namespace corvanta {

// The folder's checks in the order they were numbered, and the number the next one takes.
struct CheckRegister {
    std::int64_t next = 0;  // 0: no check printed yet
    std::vector<IssuedCheck> checks;

    // The check of that number, or null.
    [[nodiscard]] const IssuedCheck* find(std::int64_t number) const;
};

// "issued", "reprint", "void"; and back, any case (nothing for another text).
std::string checkStateName(CheckState state);
bool isCheckStateName(std::string_view text);
CheckState parseCheckState(std::string_view text);

// "1234.50" for 123450 cents.
std::string centsText(std::int64_t cents);

// "Checks.sav" (record text format): the next number on the first line, then one line per
// check: number, date, employee, payee, amount, week, state.
std::string formatCheckRegister(const CheckRegister& reg);
// Throws RecordFormatError naming the file and the line of the first value it cannot take: a
// line short of a check's values, a number that is not a whole one, a number used twice.
CheckRegister parseCheckRegister(std::string_view content, const std::string& fileName);

// The folder's register; an empty one when the folder has no "Checks.sav". Throws FileError
// naming the file when it cannot be read or is damaged.
CheckRegister readCheckRegister(const std::filesystem::path& folder);

}  // namespace corvanta
