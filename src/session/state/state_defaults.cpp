#include "session/state/state_defaults.h"

#include "session/files/employee_files.h"
#include "session/local/local_files.h"
#include "session/side/leave_record.h"
#include "session/state/state_file.h"

namespace corvanta {
namespace {

void closeSecondaryWindows(PayrollContext& ctx) {
    ctx.loaded = LoadedWindows{};
    ctx.overtimeWindow.loaded = false;
    ctx.leaveDialog.loaded = false;
}

}  // namespace

void saveStateDialog(PayrollContext& ctx) {
    captureStateDialog(ctx.stateDialog, ctx.state);
    WriteStateFile(ctx);
    saveEmployeeFileSet(ctx);
    ctx.loaded.stateDialog = false;
}

void makeStateDefault(PayrollContext& ctx) {
    captureStateDialog(ctx.stateDialog, ctx.state);
    WriteStateFile(ctx);
    saveEmployeeFileSet(ctx);
    // The name comes back from memory, not from the window's user label: before any employee
    // is open that label reads "USER", which would become a file name.
    const std::string current = ctx.UserFileBase;
    ctx.UserFileBase.clear();
    try {
        saveEmployeeFileSet(ctx);
        SaveVac(ctx);
        WriteStateFile(ctx);
        WriteCityFile(ctx);
        WriteNonCityFile(ctx);
    } catch (...) {
        ctx.UserFileBase = current;
        throw;
    }
    ctx.UserFileBase = current;
    closeSecondaryWindows(ctx);
}

}  // namespace corvanta
