#pragma once

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

#include "base/core/money.h"
#include "session/core/calculate.h"
#include "session/core/payroll_context.h"
#include "session/files/employee_files.h"
#include "session/files/open_employee.h"
#include "session/state/state_file.h"
#include "session/state/state_methods.h"
#include "session/state/state_withholding.h"
#include "support/filing_status_of.h"
#include "support/temp_folder.h"

namespace corvanta::testing {

// A built-in method by the name of its box, for test names and messages.
inline const char* methodName(StateMethodId id) {
    static constexpr std::array<const char*, kStateMethodCount> kNames{
        "Arizona", "Louisiana", "Iowa",     "Missouri",  "Mass", "Oregon",
        "Utah",    "Alabama",   "Kentucky", "Wisconsin", "NC"};
    return kNames[static_cast<std::size_t>(id)];
}

enum class Pay { Weekly, BiWeekly };

inline void setPay(EmployeeProfile& p, Pay pay) {
    p.frequency = pay == Pay::Weekly ? PayFrequency::Weekly : PayFrequency::BiWeekly;
}

// A context for one pay frequency, status and exemption count.
inline PayrollContext stateContext(Pay pay, const char* status = "Single", int exemptions = 0) {
    PayrollContext ctx;
    setPay(ctx.profile, pay);
    ctx.profile.StateStatus = statusOf(status);
    ctx.profile.StateExemptions = exemptions;
    return ctx;
}

inline const StateMethod& method(StateMethodId id) {
    return builtInStateMethods()[static_cast<int>(id)];
}

// The method's setter on a fresh dialog, then the cells taken into the record, as the
// dialog's load does.
inline void applySetter(PayrollContext& ctx, StateMethodId id) {
    ctx.stateDialog = StateDialogModel{};
    ctx.stateDialog.methodBox(id) = 1;
    method(id).setter(ctx);
    captureStateDialog(ctx.stateDialog, ctx.state);
}

// Step 19 for one method: the allowance looked up and the withholding starting at 0.
inline double runMethod(PayrollContext& ctx, StateMethodId id) {
    PayResult& r = ctx.result;
    const int n = ctx.profile.StateExemptions;
    r.StateAllowance = ctx.profile.StateStatus == FilingStatus::Single
                           ? ctx.state.SingleAllowance[n]
                           : ctx.state.MarriedAllowance[n];
    r.StateWithholding = 0;
    runStateMethod(ctx, id);
    return r.StateWithholding;
}

// One method on the context's inputs, its figures applied, as the calculation does.
inline void compute(PayrollContext& ctx, StateFigures (*stateMethod)(const StateMethodInputs&)) {
    applyStateFigures(ctx, stateMethod(stateMethodInputs(ctx)));
}

// What the window shows for the state tax: cents, whole dollars under "Round State", not
// below 0.
inline double shownState(const PayrollContext& ctx) {
    double v = roundToCents(ctx.result.StateWithholding + ctx.state.StateAdjustment);
    if (ctx.state.RoundState != 0) v = roundToWholeDollarsEven(v);
    return v < 0 ? 0 : v;
}

// An employee written to a temporary folder, opened and calculated from the entry boxes.
class EmployeeOnDisk {
  public:
    EmployeeOnDisk() {
        folder.copyFederalTable();
        setup.folder = folder.path();
        setup.UserFileBase = "Emp";
    }

    // Writes ".use", ".and" and ".sta" from the setup context, opens the employee in a fresh
    // context and calculates without the closing save. The pay period is dated 1/5/2008
    // unless another date is given.
    PayrollContext& calculate(const std::string& straightHours, const std::string& week = "") {
        writeFiles();
        ctx = PayrollContext{};
        ctx.folder = folder.path();
        OpenEmployee(ctx, "Emp", "1/5/2008");
        ctx.window.txtAmount[0] = straightHours;
        if (!week.empty()) ctx.window.txtWeek = week;
        Calcu_late(ctx, CalculateOptions{.save = false});
        return ctx;
    }

    void writeFiles() const {
        folder.write("Emp.use", formatUseFile(setup));
        folder.write("Emp.and", formatAndFile(setup));
        folder.write("Emp.sta", formatStateFile(setup.state, setup.profile));
    }

    TempFolder folder;
    PayrollContext setup;
    PayrollContext ctx;
};

}  // namespace corvanta::testing

namespace corvanta {

inline void PrintTo(StateMethodId id, std::ostream* os) { *os << testing::methodName(id); }

}  // namespace corvanta
