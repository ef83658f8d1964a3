#pragma once

#include <string>
#include <vector>

#include "records/print/print_column_model.h"
#include "session/checks/check_register_file.h"

namespace corvanta {

// The register as the window lists it, the printout prints it and the CSV holds it: a
// heading row, then a row per check in number order (number, date, employee, payee, amount,
// week, state).
using CheckRegisterTable = std::vector<std::vector<std::string>>;
CheckRegisterTable checkRegisterTable(const CheckRegister& reg);

// The table as CSV, CR LF line ends; a cell with a comma, quote or line end is quoted.
std::string checkRegisterCsv(const CheckRegister& reg);

// Prints the table in columns, with the count and the amount of the checks not void.
void printCheckRegister(const CheckRegister& reg, PrintColumnModel& out);

}  // namespace corvanta
