#include "session/files/employee_loader.h"

#include "session/core/payroll_context.h"
#include "session/files/employee_files.h"
#include "session/files/new_employee.h"
#include "session/files/stored_employee_files.h"
#include "session/local/local_files.h"
#include "session/side/leave_record.h"
#include "session/side/overtime_sheet_ops.h"
#include "session/state/state_file.h"
#include "session/ytd/ledger_file.h"
#include "session/ytd/ledger_ops.h"

namespace corvanta {

OpenedEmployee loadEmployee(const std::filesystem::path& folder, const std::string& baseName,
                            const MessageHandler& showMessage) {
    // The readers work on a context; a scratch one keeps a half-read employee from anyone.
    PayrollContext scratch;
    scratch.folder = folder;
    scratch.showMessage = showMessage;
    scratch.takeEmployee(newEmployee(baseName));
    scratch.loaded = LoadedWindows{};
    readStoredEmployeeFiles(scratch);
    LoadLedger(scratch);
    showEmployeeFileSet(scratch);
    showLedgerGrid(scratch.ledger, scratch.profile);  // all its rows, if it became weekly

    scratch.stateDialog = StateDialogModel{};
    ReadStateFile(scratch, scratch.employeeFile(".sta"));
    captureStateDialog(scratch.stateDialog, scratch.state);

    scratch.cityDialog = CityDialogModel{};
    ReadCityFile(scratch);
    captureCityDialog(scratch.cityDialog, scratch.city);

    ReadNonCityFile(scratch);
    GetVac(scratch);
    FillInOT(scratch);
    return scratch.openedEmployee();
}

EmployeeRecord loadEmployeeRecord(const std::filesystem::path& folder, const std::string& baseName,
                                  const MessageHandler& showMessage) {
    return loadEmployee(folder, baseName, showMessage).record;
}

}  // namespace corvanta
