#include "session/core/calculate.h"

#include <cmath>

#include "base/core/numeric_text.h"
#include "base/files/file_io.h"
#include "base/files/record_format.h"
#include "session/core/calculator_texts.h"
#include "session/files/employee_files.h"
#include "session/local/local_files.h"
#include "session/side/leave_record.h"
#include "session/side/overtime_sheet_ops.h"
#include "session/state/state_file.h"
#include "session/state/state_withholding.h"
#include "tax/state/pay_date.h"

namespace corvanta {
namespace {

// The settings the calculation reads, readied from the record as the dialogs would show
// them: the state method of the employee's pay frequency set into the state table, blank
// cells filled, the city table without its cells when there is no local tax.
void readySettings(PayrollContext& ctx) {
    if (!ctx.loaded.cityDialog) prepareCityDialog(ctx);
    if (!ctx.loaded.stateDialog) prepareStateDialog(ctx);
}

// What the figures change in the record: the period, the results, the deductions as taken
// (to the cent), whole-dollar state rounding once a method asked for it.
void takeFigures(PayrollContext& ctx, const PeriodFigures& f) {
    ctx.entries = f.entries;
    ctx.entry = f.entry;
    ctx.result = f.result;
    EmployeeProfile& p = ctx.profile;
    p.CreditDeduction = f.deductions.credit;
    p.BondDeduction = f.deductions.bond;
    p.DuesDeduction = f.deductions.dues;
    p.MiscDeduction = f.deductions.misc;
    if (f.stateRoundsToDollars) {
        ctx.stateDialog.ckRoundOff = 1;
        ctx.state.RoundState = 1;
    }
    fillBlankSdiSui(ctx.stateDialog);
}

}  // namespace

PeriodEntries readEntryBoxes(const CalculatorWindow& w) {
    return readPeriodEntries(w.txtAmount, !w.opt1x, w.txtWeek);
}

PeriodEntries readPeriodEntries(const std::array<std::string, kEntryBoxes>& boxes,
                                bool overtimeAtDouble, const std::string& period) {
    PeriodEntries entries;
    for (int i = 0; i < kEntryBoxes; ++i) {
        const std::string& text = boxes[i];
        const auto number = entryValue(text);
        const bool valid = number.has_value() && (i == 6 ? std::fabs(*number) < 9.2e14
                                                         : std::fabs(*number) <= 3.402823466e38);
        if (!valid) {
            throw UserError("The entry \"" + text + "\" in " + kEntryCaptions[i] +
                                " is not a number.\r\nCorrect it and calculate again.",
                            "Calculate");
        }
        entries.boxes[i] = *number;
    }
    entries.overtimeAtDouble = overtimeAtDouble;
    // The period's text goes into the ledger and the saved period's name as it is.
    requireStorableText("pay period", period);
    entries.payDate = readPayDate(period);
    return entries;
}

void requireFederalTable(const PayrollContext& ctx) {
    if (canOpenForReading(ctx.folder / kFederalTableFile)) return;
    throw FileError("The federal tax table file " + std::string(kFederalTableFile) +
                        " is missing or cannot be read, so no federal tax can be "
                        "withheld.\r\nPut the file in the folder " +
                        ctx.folder.string() + " and try again.",
                    kFederalTableFile);
}

void loadFederalTable(PayrollContext& ctx) {
    const auto path = ctx.folder / kFederalTableFile;
    if (!canOpenForReading(path)) {
        ctx.showMessage({federalTableMissingMessage()});
        return;
    }
    const auto content = readFileIfExists(path);
    ctx.federal = parseFederalTable(content.value_or(""), kFederalTableFile);
    ctx.window.lbTaxVer = ctx.federal.TableVersion;
}

void calculateEntries(PayrollContext& ctx, const PeriodEntries& entries,
                      const CalculateOptions& options) {
    // A refused calculation leaves the employee as she was and no result of an earlier one
    // beside the entries: the figures are taken only once all of them are made. (Readying the
    // settings gives the record only what its own files would.)
    const auto boxes = ctx.window.txtAmount;
    try {
        clearFigures(ctx.window);
        loadFederalTable(ctx);
        readySettings(ctx);
        const PeriodFigures figures =
            calculatePeriod(entries, ctx.employee(), ctx.federal, ctx.DefaultRate);
        takeFigures(ctx, figures);
        showFigures(ctx.window, figures);
    } catch (const UserError&) {
        ctx.window.txtAmount = boxes;
        ctx.result = PayResult{};
        clearFigures(ctx.window);
        clearFederalTable(ctx.federal);
        throw;
    }
    clearFederalTable(ctx.federal);
    if (options.save) SaveUserFiles(ctx);
    ctx.loaded.cityDialog = false;
    ctx.loaded.stateDialog = false;
}

void Calcu_late(PayrollContext& ctx, const CalculateOptions& options) {
    PeriodEntries entries;
    try {
        entries = readEntryBoxes(ctx.window);
    } catch (const UserError&) {
        ctx.result = PayResult{};
        clearFigures(ctx.window);
        throw;
    }
    calculateEntries(ctx, entries, options);
}

void SaveUserFiles(PayrollContext& ctx) {
    captureOvertimeSheet(ctx);
    saveEmployeeFileSet(ctx);
    SaveVac(ctx);
    WriteStateFile(ctx);
    WriteCityFile(ctx);
    WriteNonCityFile(ctx);
    ctx.window.lbUser = ctx.UserFileBase;
    ctx.window.caption = ctx.UserFileBase;
    ctx.loaded = LoadedWindows{};
    ctx.overtimeWindow.loaded = false;
    ctx.leaveDialog.loaded = false;
}

void ClearAll(PayrollContext& ctx, const std::string& today) {
    CalculatorWindow& w = ctx.window;
    for (std::string& text : w.txtAmount) text.clear();
    clearFigures(w);
    // Every figure of the last calculation goes, so a printout after Clear or Open never shows
    // earnings beside hours that were not entered.
    ctx.result = PayResult{};
    ctx.entry = PeriodEntry{};
    ctx.entries = PeriodEntries{};
    w.txtWeek = today;
}

}  // namespace corvanta
