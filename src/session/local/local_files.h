#pragma once

#include "session/core/payroll_context.h"

namespace corvanta {

// The city dialog's load: the employee's ".cti" when it exists (a set "NO LOCAL TAX" clears
// the boxes), blank boxes take the New York values, and the boxes become the city table.
// A damaged file throws UserError "You have corupted a file." naming it.
void loadCityDialog(PayrollContext& ctx);

// The same from the city table in memory, for the calculation; reads no file.
void prepareCityDialog(PayrollContext& ctx);

// Reads the employee's ".cti" into the city table and the dialog, when it exists.
void ReadCityFile(PayrollContext& ctx);
void WriteCityFile(PayrollContext& ctx);

// Reads the employee's ".nci" into the non-city table and the dialog, when it exists.
void ReadNonCityFile(PayrollContext& ctx);
void WriteNonCityFile(PayrollContext& ctx);

// The non-city dialog's load: the file, then blank boxes take the defaults, then the boxes
// become the table.
void loadNonCityDialog(PayrollContext& ctx);

// The city dialog's "&SAVE": blank boxes take the defaults, the boxes become the table, the
// file is written and the dialog closes. A box that is not a number throws UserError with
// "Check your numbers" and nothing is written.
void saveCityDialog(PayrollContext& ctx);

// The non-city dialog's "&SAVE", likewise.
void saveNonCityDialog(PayrollContext& ctx);

}  // namespace corvanta
