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
    // The default group is written from a copy named for it, so the open employee's name is
    // never changed, not even for a moment, and a failed write cannot leave it changed.
    PayrollContext defaults = ctx;
    defaults.UserFileBase.clear();
    saveEmployeeFileSet(defaults);
    SaveVac(defaults);
    WriteStateFile(defaults);
    WriteCityFile(defaults);
    WriteNonCityFile(defaults);
    closeSecondaryWindows(ctx);
}

}  // namespace corvanta
