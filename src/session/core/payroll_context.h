#pragma once

#include <filesystem>
#include <string>

#include "base/core/user_message.h"
#include "records/core/calculator_window.h"
#include "records/core/employee_record.h"
#include "session/files/file_group.h"
#include "session/files/print_heading.h"
#include "tax/core/federal_table.h"

namespace corvanta {

// Everything one operator session works on: the open employee's record, her windows' copies
// of its parts, where her files are (the file group), and what all employees share (the federal
// table, the print heading, the calculator window's texts). Record, windows and file group are
// bases so the routines read them as ctx.profile, ctx.stateDialog, ctx.folder and so on;
// `employee()`, `windows()` and `files()` are the whole values to build and swap.
struct PayrollContext : EmployeeRecord, EmployeeWindows, FileGroup {
    float DefaultRate = 7.5f;

    CalculatorWindow window;
    FederalTable federal;
    PrintHeading heading;
    MessageHandler showMessage = [](const UserMessage&) {};

    [[nodiscard]] EmployeeRecord& employee() { return *this; }
    [[nodiscard]] const EmployeeRecord& employee() const { return *this; }
    [[nodiscard]] EmployeeWindows& windows() { return *this; }
    [[nodiscard]] const EmployeeWindows& windows() const { return *this; }
    [[nodiscard]] FileGroup& files() { return *this; }
    [[nodiscard]] const FileGroup& files() const { return *this; }

    // Another employee in place of this one: her record and her windows' copies together.
    void takeEmployee(OpenedEmployee opened) {
        employee() = std::move(opened.record);
        windows() = std::move(opened.windows);
    }
    [[nodiscard]] OpenedEmployee openedEmployee() const { return {employee(), windows()}; }

    // The current employee's file with the given extension, to read.
    [[nodiscard]] std::filesystem::path employeeFile(const std::string& extension) const {
        return fileToRead(UserFileBase, extension);
    }
    // Writes that file where the group writes it (FileGroup::write).
    void writeEmployeeFile(const std::string& extension, std::string_view content) const {
        write(UserFileBase, extension, content);
    }
};

}  // namespace corvanta
