#pragma once

#include <array>
#include <string>

namespace corvanta {

inline constexpr int kOvertimeRows = 52;

// The overtime percentage sheet: totals and the week rows as typed.
struct OvertimeSheet {
    float AnnualSalary = 0;
    float ApprovedPercent = 0;
    float OtEarned = 0;
    float OtPercentOfSalary = 0;
    double OtMaximum = 0;
    double OtAvailable = 0;
    std::array<std::string, kOvertimeRows> WeekEnding{};
    std::array<std::string, kOvertimeRows> WeekOvertime{};
};

}  // namespace corvanta
