#include "session/payroll/payroll_folder.h"

#include <algorithm>

#include "session/core/payroll_context.h"
#include "session/files/employee_files.h"
#include "session/files/employee_loader.h"
#include "session/files/new_employee.h"
#include "session/payroll/employee_commit.h"
#include "session/ytd/ledger_file.h"

namespace corvanta {

std::vector<std::string> folderEmployees(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::filesystem::path& p = entry.path();
        // The default file group (".use" alone) is the window's scratch employee, not one paid;
        // files of a group without a ".use" are no employee either.
        if (p.extension() == ".use" && !p.stem().empty() && p.stem().string()[0] != '.' &&
            entry.is_regular_file(ec)) {
            names.push_back(p.stem().string());
        }
    }
    if (ec) throw UserError("The folder " + folder.string() + " cannot be read.");
    std::sort(names.begin(), names.end());
    return names;
}

EmployeeBooks readEmployeeBooks(const std::filesystem::path& folder, const std::string& name) {
    // Through the one loader, so the register sees what a calculation sees (the exemptions
    // of the state file included).
    const EmployeeRecord record = loadEmployeeRecord(folder, name, [](const UserMessage&) {});
    EmployeeBooks books{name, record.profile, {}};
    const int rows = rowsInUse(record.profile);
    books.rows.assign(record.ledger.rows.begin(), record.ledger.rows.begin() + rows);
    return books;
}

std::vector<EmployeeBooks> readPayrollFolder(const std::filesystem::path& folder) {
    // The register never adds up an employee half moved by a stopped pay run or restore.
    recoverInterruptedCommit(folder);
    std::vector<EmployeeBooks> all;
    for (const std::string& name : folderEmployees(folder)) {
        all.push_back(readEmployeeBooks(folder, name));
    }
    return all;
}

}  // namespace corvanta
