#include "save_paths.h"

#include <fstream>
#include <sstream>

#include "session/core/calculate.h"
#include "session/files/period_snapshot.h"
#include "session/files/print_heading.h"
#include "session/local/local_files.h"
#include "session/side/leave_record.h"
#include "session/state/state_defaults.h"
#include "session/state/state_withholding.h"
#include "session/ytd/ledger_file.h"
#include "session/ytd/ledger_ops.h"
#include "support/temp_folder.h"

namespace corvanta::testing {
namespace {

std::string longText(int version, char fill) { return std::string(version == 0 ? 40 : 700, fill); }

// Changes the records each save writes from memory.
void vary(PayrollContext& ctx, int v) {
    ctx.profile.HourlyRate = v == 0 ? 12.5f : 14.25f;
    ctx.profile.EmployeeName = longText(v, 'n');
    ctx.profile.CreditLabel = longText(v, 'c');
    ctx.profile.CafeteriaAmount = v == 0 ? 10.0f : 25.5f;
    for (int i = 0; i < kOvertimeRows; ++i) ctx.overtime.WeekEnding[i] = longText(v, 'w');
    ctx.leave.VacationStart = v == 0 ? 40.0f : 80.0f;
    for (auto& date : ctx.leave.VacationDates) date = longText(v, 'd');
    ctx.state.StateAdjustment = v == 0 ? 1.0f : 2.5f;
    ctx.city.SingleRows[1].Amount = v == 0 ? 5.0f : 6.0f;
    ctx.nonCity.NonCityRate = v == 0 ? 0.01f : 0.02f;
}

void stateDialog(PayrollContext& ctx, int v) {
    loadStateDialog(ctx);
    vary(ctx, v);
    ctx.stateDialog.txtStateAdj = v == 0 ? "1" : "2.5";
}

void ledger(PayrollContext& ctx, int v) {
    for (int i = 0; i < kLedgerRows; ++i) {
        ctx.ledger.grid[i].txtDate = longText(v, 'y');
        ctx.ledger.grid[i].txtOT = v == 0 ? "1.5" : "2";
    }
    Update(ctx);
    SaveAnnual(ctx);
}

void snapshot(PayrollContext& ctx, int v) {
    ctx.window.txtWeek = "12/31/2008";
    ctx.window.txtAmount = {v == 0 ? "40" : "38.5", "", "2", "", "", "", "100", ""};
    SavePeriodSnapshot(ctx);
}

void heading(PayrollContext& ctx, int v) {
    ctx.heading = {longText(v, 'h'), "1 Main St", "10001", v == 0 ? "1" : "2"};
    SaveHeader(ctx);
}

}  // namespace

PayrollContext freshContext(const std::filesystem::path& folder) {
    PayrollContext ctx;
    ctx.folder = folder;
    ctx.durableWrites = false;
    ctx.UserFileBase = "Smith";
    return ctx;
}

const std::vector<SavePath>& savePaths() {
    static const std::vector<SavePath> paths{
        {"Calcu_late",
         [](PayrollContext& c, int v) {
             vary(c, v);
             c.window.txtAmount = {v == 0 ? "40" : "38", "", "", "", "", "", "", ""};
             Calcu_late(c);
         }},
        {"SaveUserFiles", [](PayrollContext& c, int v) { vary(c, v), SaveUserFiles(c); }},
        {"saveStateDialog",
         [](PayrollContext& c, int v) { stateDialog(c, v), saveStateDialog(c); }},
        {"makeStateDefault",
         [](PayrollContext& c, int v) { stateDialog(c, v), makeStateDefault(c); }},
        {"saveCityDialog",
         [](PayrollContext& c, int v) {
             loadCityDialog(c);
             c.cityDialog.txtCityAmtBS[1] = v == 0 ? "5" : "6";
             saveCityDialog(c);
         }},
        {"saveNonCityDialog",
         [](PayrollContext& c, int v) {
             loadNonCityDialog(c);
             c.nonCityDialog.txtNonPer = v == 0 ? ".01" : ".02";
             saveNonCityDialog(c);
         }},
        {"SaveAnnual", ledger},
        // The dialog's boxes are what the save takes; a closed dialog shows the file again.
        {"SaveVac",
         [](PayrollContext& c, int v) {
             c.leaveDialog.loaded = true;
             c.leaveDialog.txtVacBal = v == 0 ? "40" : "80";
             c.leaveDialog.txtVdate.fill(longText(v, 'd'));
             SaveVac(c);
         }},
        {"SavePeriodSnapshot", snapshot},
        {"SaveHeader", heading},
    };
    return paths;
}

FolderImage imageOf(const std::filesystem::path& folder) {
    FolderImage image;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        image[entry.path().filename().string()] = s.str();
    }
    return image;
}

}  // namespace corvanta::testing
