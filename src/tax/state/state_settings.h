#pragma once

#include <array>

#include "tax/core/filing_status.h"

namespace corvanta {

// One line of a state bracket table, in bi-weekly dollars; 999999 marks an unused line.
struct BracketLine {
    float MinRange = 0;
    float Amount = 0;
    float Percent = 0;
};

inline constexpr float kUnusedMinRange = 999999.0f;
inline constexpr int kTableLines = 10;

// The current employee's state withholding settings.
struct StateSettings {
    std::array<BracketLine, kTableLines> SingleTable{};
    std::array<BracketLine, kTableLines> MarriedTable{};
    std::array<float, kTableLines> SingleAllowance{};
    std::array<float, kTableLines> MarriedAllowance{};
    int NoStateTax = 0;
    float SdiPercent = 0;
    float SdiWageBase = 0;
    int SdiUseBase = 0;
    float SuiPercent = 0;
    float SuiWageBase = 0;
    int SuiUseBase = 0;
    float StateAdjustment = 0;
    float CalAllowance = 0;
    int UseArizona = 0;
    int UseLouisiana = 0;
    int UseIowa = 0;
    int UseMissouri = 0;
    int UseMass = 0;
    int UseOregon = 0;
    int UseUtah = 0;
    int UseAlabama = 0;
    int UseKentucky = 0;
    int UseWisconsin = 0;
    int UseNC = 0;
    int SpouseWorks = 0;
    int RoundState = 0;

    [[nodiscard]] const std::array<BracketLine, kTableLines>& tableFor(
        const FilingStatus status) const {
        return status == FilingStatus::Single ? SingleTable : MarriedTable;
    }
};

// The built-in New York table and allowances.
struct NewYorkDefaults {
    static const std::array<BracketLine, kTableLines>& table();
    static const std::array<float, kTableLines>& singleAllowance();
    static const std::array<float, kTableLines>& marriedAllowance();
};

}  // namespace corvanta
