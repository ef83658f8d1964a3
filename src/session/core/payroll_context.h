#pragma once

#include <filesystem>
#include <string>

#include "base/core/user_message.h"
#include "records/core/calculator_window.h"
#include "records/core/employee_record.h"
#include "session/files/employee_hold.h"
#include "session/files/print_heading.h"
#include "tax/core/federal_table.h"

namespace corvanta {

// Everything one operator session works on: the open employee's record, and what all
// employees share (the folder, the federal table, the print heading, the window's texts).
// The record is a base so the routines read it as ctx.profile, ctx.ledger and so on;
// `employee()` is the whole value to build and swap.
struct PayrollContext : EmployeeRecord {
    std::filesystem::path folder = ".";  // where the files are read and written
    float DefaultRate = 7.5f;

    CalculatorWindow window;
    FederalTable federal;
    PrintHeading heading;
    EmployeeHold hold;  // whether this session may write the employee's files

    bool durableWrites = true;
    MessageHandler showMessage = [](const UserMessage&) {};

    [[nodiscard]] EmployeeRecord& employee() { return *this; }
    [[nodiscard]] const EmployeeRecord& employee() const { return *this; }

    // The file of the current employee with the given extension.
    [[nodiscard]] std::filesystem::path employeeFile(const std::string& extension) const {
        return folder / (UserFileBase + extension);
    }
};

}  // namespace corvanta
