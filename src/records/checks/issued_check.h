#pragma once

#include <cstdint>
#include <string>

namespace corvanta {

inline constexpr const char* kCheckRegisterFile = "Checks.sav";

// Where a check stands: printed once, printed again under its own number, or cancelled.
enum class CheckState { Issued, Reprint, Void };

// One check of the folder's register, as the paper carries it.
struct IssuedCheck {
    std::int64_t number = 0;
    std::string date;      // the check's date as printed
    std::string employee;  // her files' base name
    std::string payee;     // the name printed after "PAY TO THE ORDER OF"
    std::int64_t cents = 0;
    std::string week;  // the pay period's week label
    CheckState state = CheckState::Issued;

    [[nodiscard]] bool isVoid() const { return state == CheckState::Void; }
    friend bool operator==(const IssuedCheck&, const IssuedCheck&) = default;
};

}  // namespace corvanta
