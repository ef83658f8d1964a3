#pragma once

#include <string>
#include <vector>

#include "records/print/print_column_model.h"
#include "session/payroll/register_figures.h"

namespace corvanta {

// The register as a table: a heading row, then rows of cells (names, amounts as shown).
// The same table is printed, written as CSV and shown by the desktop.
using RegisterTable = std::vector<std::vector<std::string>>;

RegisterTable registerTable(const PayrollRegister& reg);

// The forms' figures (941 lines, or W-2 boxes, W-3 and FUTA) as label and amount rows.
RegisterTable formsTable(const PayrollRegister& reg);

// The checks as lines of text: "emp3 row 4: ...".
std::vector<std::string> checkLines(const PayrollRegister& reg);

// Prints the register, the forms' figures and the checks, landscape.
void printRegister(const PayrollRegister& reg, PrintColumnModel& out);

}  // namespace corvanta
