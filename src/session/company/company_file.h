#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "records/company/company.h"
#include "session/files/print_heading.h"

namespace corvanta {

struct PayrollContext;

// "Company.sav" (record text format), three lines:
//   name, street, city, state, ZIP, EIN, state employer number
//   home state ("Iowa" ... or "table"), local tax ("none", "nyc", "table"),
//   deposits ("monthly", "semiweekly"), next check number
//   contact name, phone, e-mail
std::string formatCompanyFile(const Company& company);
// Throws FileError naming the file when a field is missing or not one the program knows.
Company parseCompanyFile(std::string_view content, const std::string& fileName);

// The folder's company, or nothing when it has no "Company.sav". Throws FileError naming the
// file when it cannot be read or is damaged.
std::optional<Company> readCompany(const std::filesystem::path& folder);
bool hasCompany(const std::filesystem::path& folder);
// The folder's company, or a blank one when it has none yet: the forms then list what is
// missing, and the deposits are monthly.
Company companyOfFolder(const std::filesystem::path& folder);
// Writes "Company.sav" alone, atomically, leaving the heading file as it is.
void writeCompany(const std::filesystem::path& folder, const Company& company);

// Checks the record (CompanyFieldError naming the field, nothing written), then writes
// "Company.sav" and, from it, "Header.sav" for the heading, both atomically. The heading in
// memory becomes the company's. Returns the record as stored.
Company saveCompany(PayrollContext& ctx, const Company& company);

// The heading's four lines: name, street, "City, ST ZIP", EIN.
PrintHeading companyHeading(const Company& company);

// The company with the heading's four lines put back into it: the third line must read
// "City, ST ZIP". Throws CompanyFieldError naming the line's field.
Company companyFromHeading(Company company, const PrintHeading& heading);

}  // namespace corvanta
