#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "records/core/employee_profile.h"
#include "records/ytd/ytd_ledger.h"

namespace corvanta {

// What the register needs of one employee: her settings and the ledger rows in use.
struct EmployeeBooks {
    std::string name;  // the file base name
    EmployeeProfile profile;
    std::vector<LedgerRow> rows;
};

// The file base names of every employee of the folder (every ".use"), sorted.
std::vector<std::string> folderEmployees(const std::filesystem::path& folder);

// Reads one employee's settings and ledger as Open does. Throws UserError naming the file
// that cannot be read.
EmployeeBooks readEmployeeBooks(const std::filesystem::path& folder, const std::string& name);

// Every employee of the folder, in name order.
std::vector<EmployeeBooks> readPayrollFolder(const std::filesystem::path& folder);

}  // namespace corvanta
