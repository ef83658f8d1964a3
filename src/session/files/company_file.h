#pragma once

#include <filesystem>

#include "records/company/company.h"

namespace corvanta {

// The employer of the folder from its "Company.sav": one field a line in the record's order
// (name, street, city, state, ZIP, EIN, state employer number, home state method or -1,
// local tax, deposit schedule, contact name, phone and e-mail, next check number). A folder
// without the file has an employer with nothing filled in. Throws FileError naming the file
// when it cannot be read or does not hold an employer.
Company readCompany(const std::filesystem::path& folder);

// Writes "Company.sav" whole, atomically. Throws FileError naming the file.
void writeCompany(const std::filesystem::path& folder, const Company& company);

}  // namespace corvanta
