#pragma once

#include <array>
#include <string>

#include "base/files/record_format.h"
#include "records/core/employee_profile.h"
#include "records/core/pay_result.h"
#include "records/print/check_window.h"
#include "records/side/leave_types.h"
#include "records/side/overtime_sheet.h"
#include "records/side/overtime_sheet_window.h"
#include "records/ytd/ytd_ledger.h"
#include "tax/local/city_table.h"
#include "tax/local/non_city_table.h"
#include "tax/state/state_dialog_model.h"
#include "tax/state/state_settings.h"

namespace corvanta {

// Fields of the employee files that nothing uses; kept so a rewrite gives them back unchanged.
struct EmployeeFileReserved {
    std::array<RawField, 16> useLines9to12{};
    std::array<float, 5> andFloats{};       // ".and" line 2 (two) and line 3 (three)
    std::array<bool, 3> andBooleans{};      // ".and" line 4
    std::array<std::string, 2> andTexts{};  // ".and" line 6
    std::array<int, 2> andIntegers{};       // ".and" line 8
};

// Which settings windows are loaded. A loaded dialog holds the values it took over, and a
// calculation uses those instead of reading the files again.
struct LoadedWindows {
    bool stateDialog = false;
    bool cityDialog = false;
    bool nonCityDialog = false;
};

// Everything that belongs to one employee, as typed values: her settings, tables, the records
// beside them, and the last calculation. It is built whole (New, Open) and replaced whole, so
// nothing of one employee can reach the next.
struct EmployeeRecord {
    std::string UserFileBase;  // empty: the default file group

    EmployeeProfile profile;
    PeriodEntries entries;  // as entered for the last calculation
    PeriodEntry entry;
    PayResult result;

    StateSettings state;
    CityTable city;
    NonCityTable nonCity;

    OvertimeSheet overtime;
    YtdLedger ledger;
    LeaveRecord leave;
    float CheckOffsetHorz = 0;
    float CheckOffsetVert = 0;
    EmployeeFileReserved reserved;

    // Where a new employee's pay and tax settings came from, for the dialogs to say; empty for
    // an employee read from her files.
    std::string startedFrom;
};

// The windows' own copies of their parts of an employee's record: what each settings window,
// the leave dialog, the overtime sheet and the check window show and edit. A window's save
// takes its copy into the record; closing it unloads the copy, which is built again from the
// record or the files when next needed. They are kept beside the record, never in it, and
// are replaced with it.
struct EmployeeWindows {
    StateDialogModel stateDialog;
    CityDialogModel cityDialog;
    NonCityDialogModel nonCityDialog;
    OvertimeSheetWindow overtimeWindow;
    LeaveDialog leaveDialog;
    CheckWindow check;
    LoadedWindows loaded;
};

// An employee as New or Open builds her: the record and its windows' copies, swapped in
// together.
struct OpenedEmployee {
    EmployeeRecord record;
    EmployeeWindows windows;
};

}  // namespace corvanta
