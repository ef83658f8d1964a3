#include "session/files/new_employee.h"

#include <filesystem>

#include "base/core/user_error.h"
#include "base/files/file_io.h"
#include "session/company/company_checks.h"
#include "session/company/company_file.h"
#include "session/core/calculate.h"
#include "session/files/employee_loader.h"
#include "session/files/open_employee.h"
#include "session/side/leave_record.h"
#include "session/side/overtime_sheet_ops.h"
#include "session/state/state_dialog_commands.h"
#include "session/ytd/ledger_ops.h"
#include "tax/local/city_table.h"
#include "tax/local/non_city_table.h"
#include "tax/state/state_dialog_model.h"

namespace corvanta {
namespace {

constexpr const char* kNewYorkStart =
    "New York state and New York City tax: this folder has no default group and no company.";

bool hasDefaultGroup(const std::filesystem::path& folder) {
    return canOpenForReading(folder / ".use") || canOpenForReading(folder / ".sta");
}

// The default group's settings; the identity stays the new employee's own, and her ledger,
// leave and overtime start empty.
void startFromDefaultGroup(OpenedEmployee& employee, const OpenedEmployee& loaded) {
    EmployeeRecord& record = employee.record;
    EmployeeWindows& windows = employee.windows;
    const EmployeeRecord& defaults = loaded.record;
    const EmployeeProfile own = record.profile;
    record.profile = defaults.profile;
    record.profile.EmployeeName = own.EmployeeName;
    record.profile.EmployeeAddress = own.EmployeeAddress;
    record.profile.EmployeeCityStateZip = own.EmployeeCityStateZip;
    record.profile.EmployeeSsn = own.EmployeeSsn;
    record.state = defaults.state;
    windows.stateDialog = loaded.windows.stateDialog;
    record.city = defaults.city;
    windows.cityDialog = loaded.windows.cityDialog;
    record.nonCity = defaults.nonCity;
    windows.nonCityDialog = loaded.windows.nonCityDialog;
    // The dialogs hold the values taken over; her own files, which do not exist yet, must not
    // be read over them before the first save.
    windows.loaded.stateDialog = windows.loaded.cityDialog = windows.loaded.nonCityDialog = true;
    record.startedFrom =
        "the default group written by Make Default (" +
        std::string(loaded.windows.stateDialog.ckNoStateTax != 0 ? "no state tax"
                                                                 : "its state tax") +
        (defaults.city.NoLocalTax != 0 ? ", no local tax)." : ", its local tax).");
}

void startFromCompany(OpenedEmployee& employee, const Company& company) {
    PayrollContext scratch;
    scratch.takeEmployee(employee);
    if (company.homeStateMethod) {
        selectStateMethod(scratch, *company.homeStateMethod);
        captureStateDialog(scratch.stateDialog, scratch.state);
    }
    if (company.localTax == CompanyLocalTax::None) {
        clearCityBoxes(scratch.cityDialog);
        scratch.cityDialog.ckNoLocalTax = 1;
        captureCityDialog(scratch.cityDialog, scratch.city);
    }
    employee = scratch.openedEmployee();
    EmployeeRecord& record = employee.record;
    const char* local = company.localTax == CompanyLocalTax::None          ? "no local tax"
                        : company.localTax == CompanyLocalTax::NewYorkCity ? "New York City tax"
                                                                           : "the city table";
    record.startedFrom = "the company's home state and local tax (" +
                         (company.homeStateMethod ? homeStateName(company.homeStateMethod)
                                                  : std::string("the state bracket table")) +
                         ", " + local + ").";
}

}  // namespace

NewEmployeeStart newEmployeeStart(const std::filesystem::path& folder) {
    if (hasDefaultGroup(folder)) return NewEmployeeStart::DefaultGroup;
    if (hasCompany(folder)) return NewEmployeeStart::Company;
    return NewEmployeeStart::NewYork;
}

void applyNewEmployeeStart(OpenedEmployee& employee, const std::filesystem::path& folder,
                           const MessageHandler& showMessage) {
    employee.record.startedFrom = kNewYorkStart;
    if (hasDefaultGroup(folder)) {
        try {
            startFromDefaultGroup(employee, loadEmployee(folder, "", showMessage));
            return;
        } catch (const UserError& e) {
            showMessage({e.what(), e.title()});
        }
    }
    try {
        if (const auto company = readCompany(folder)) startFromCompany(employee, *company);
    } catch (const UserError& e) {
        showMessage({e.what(), e.title()});
    }
}

void applyNewEmployeeStart(EmployeeRecord& record, const std::filesystem::path& folder,
                           const MessageHandler& showMessage) {
    OpenedEmployee employee{record, newEmployee(record.UserFileBase).windows};
    applyNewEmployeeStart(employee, folder, showMessage);
    record = std::move(employee.record);
}

EmployeeRecord newEmployeeRecord(const std::string& baseName) {
    return newEmployee(baseName).record;
}

OpenedEmployee newEmployee(const std::string& baseName) {
    // The clear operations work on a context; a scratch one keeps them away from the open
    // employee.
    PayrollContext scratch;
    scratch.UserFileBase = baseName;
    ClearOvertimeSheet(scratch);
    scratch.overtimeWindow.loaded = false;
    clearVac(scratch);
    scratch.leaveDialog.loaded = false;
    ClearLedger(scratch);

    restoreNewYorkValues(scratch);
    captureStateDialog(scratch.stateDialog, scratch.state);
    scratch.loaded.stateDialog = true;

    scratch.city = cityDefaults();
    showCityTable(scratch.city, scratch.cityDialog);
    scratch.loaded.cityDialog = true;

    scratch.nonCity = nonCityDefaults();
    showNonCityTable(scratch.nonCity, scratch.nonCityDialog);
    return scratch.openedEmployee();
}

void startNewEmployee(PayrollContext& ctx, const std::string& baseName, const std::string& today) {
    OpenedEmployee employee = newEmployee(baseName);
    applyNewEmployeeStart(employee, ctx.folder, ctx.showMessage);
    ctx.takeEmployee(std::move(employee));
    showEmployeeInWindow(ctx);
    ClearAll(ctx, today);
}

void ReopenEmployee(PayrollContext& ctx, const std::string& today) {
    const std::string base = ctx.UserFileBase;
    std::error_code ec;
    if (base.empty() || !std::filesystem::exists(ctx.folder / (base + ".use"), ec)) return;
    PayrollContext next = ctx;
    try {
        OpenEmployee(next, base, today);
    } catch (const UserError&) {
        startNewEmployee(ctx, "", today);
        ctx.hold = EmployeeHold{};  // she is no longer open here
        throw;
    }
    ctx = std::move(next);
}

}  // namespace corvanta
