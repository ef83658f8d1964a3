#pragma once

#include <array>
#include <string>

#include "tax/state/state_dialog_model.h"

namespace corvanta {

inline constexpr int kCityRows = 10;
// Rows 8 and 9 are kept and edited but never take part in the computation.
inline constexpr int kCityRowsApplied = 8;

struct CityTable {
    std::array<BracketLine, kCityRows> SingleRows{};
    std::array<BracketLine, kCityRows> MarriedRows{};
    std::array<float, kCityRows> SingleAllowance{};
    std::array<float, kCityRows> MarriedAllowance{};
    int NoLocalTax = 0;
};

// The built-in New York City table.
const CityTable& cityDefaults();

// The city dialog's boxes as text.
struct CityDialogModel {
    using Column = std::array<std::string, kCityRows>;
    Column txtCityMinBS, txtCityAmtBS, txtCityPerBS;
    Column txtCityMinBM, txtCityAmtBM, txtCityPerBM;
    Column txtCitySgExp, txtCityMarExp;
    int ckNoLocalTax = 0;
};

void showCityTable(const CityTable& table, CityDialogModel& dialog);
// "NO LOCAL TAX" or "CLEAR ALL": 999999 minimums, every other box "0".
void clearCityBoxes(CityDialogModel& dialog);
// Blank boxes take the New York value.
void fillBlankCityBoxes(CityDialogModel& dialog);
// Blank boxes filled, then every box into the table. Throws UserError when a box is not a
// number; the table is then unchanged.
void captureCityDialog(CityDialogModel& dialog, CityTable& table);

std::string formatCityFile(const CityTable& table);
// Reads the 81 values in order into the table; throws RecordFormatError part way, with the
// values read so far kept.
void parseCityFile(std::string_view content, const std::string& fileName, CityTable& table);

// The city brackets: returns the tax, and the wage they applied to through taxableWage.
double cityTax(const CityTable& table, bool weekly, bool single, float taxableGross,
               float cityAllowance, float& taxableWage);

}  // namespace corvanta
