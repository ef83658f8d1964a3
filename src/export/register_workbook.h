#pragma once

#include <filesystem>

#include "session/payroll/register_figures.h"

namespace corvanta {

// The register as a workbook: its title, the register's table, the forms' figures and the
// checks, set up to print landscape one page wide. Amounts are number cells shown to the
// cent. Written atomically; throws FileError naming the file, which is then unchanged.
void writeRegisterWorkbook(const PayrollRegister& reg, const std::filesystem::path& file,
                           bool durable = true);

}  // namespace corvanta
