#include "files/new_employee.h"

#include "local/city_table.h"
#include "local/non_city_table.h"
#include "side/leave_record.h"
#include "side/overtime_sheet_ops.h"
#include "state/state_dialog_commands.h"
#include "state/state_dialog_model.h"
#include "ytd/ledger_ops.h"

namespace corvanta {

EmployeeRecord newEmployeeRecord(const std::string& baseName) {
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
    return scratch.employee();
}

}  // namespace corvanta
