#pragma once

#include <array>
#include <string>
#include <string_view>

namespace corvanta {

inline constexpr int kNonCityRows = 8;

struct NonCityRow {
    float MinRange = 0;
    float Exemption = 0;
};

struct NonCityTable {
    std::array<NonCityRow, kNonCityRows> BiWeekly{};
    std::array<NonCityRow, kNonCityRows> Weekly{};
    float NonCityRate = 0;
};

const NonCityTable& nonCityDefaults();

// The non-city dialog's boxes as text.
struct NonCityDialogModel {
    using Column = std::array<std::string, kNonCityRows>;
    Column txtNonMinBi, txtNonExpBi, txtNonMinWk, txtNonExpWk;
    std::string txtNonPer;
};

void showNonCityTable(const NonCityTable& table, NonCityDialogModel& dialog);
void fillBlankNonCityBoxes(NonCityDialogModel& dialog);
// Blank boxes filled, then every box into the table; throws UserError when a box is not a
// number, leaving the table unchanged.
void captureNonCityDialog(NonCityDialogModel& dialog, NonCityTable& table);

std::string formatNonCityFile(const NonCityTable& table);
void parseNonCityFile(std::string_view content, const std::string& fileName, NonCityTable& table);

// The flat non-resident tax. cityAllowance keeps its value when no row applies.
double nonCityTax(const NonCityTable& table, bool biWeekly, float taxableGross,
                  float& cityAllowance);

}  // namespace corvanta
