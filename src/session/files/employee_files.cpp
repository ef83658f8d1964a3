#include "session/files/employee_files.h"

#include <array>
#include <cmath>
#include <utility>

#include "base/core/money.h"
#include "base/core/numeric_text.h"
#include "base/files/file_access.h"
#include "base/files/file_io.h"
#include "records/core/employee_profile.h"
#include "session/files/employee_hold.h"
#include "session/files/stored_employee_files.h"

namespace corvanta {
namespace {

std::string fileName(const PayrollContext& ctx, const std::string& extension) {
    return ctx.UserFileBase + extension;
}

void readUse(RecordReader& in, PayrollContext& ctx) {
    EmployeeProfile& p = ctx.profile;
    OvertimeSheet& ot = ctx.overtime;
    ot.OtEarned = in.readSingle();
    ot.OtMaximum = in.readDouble();
    ot.OtAvailable = in.readDouble();
    ot.AnnualSalary = static_cast<float>(in.readDouble());
    ot.ApprovedPercent = static_cast<float>(in.readDouble());
    ot.OtPercentOfSalary = static_cast<float>(in.readDouble());
    p.HourlyRate = in.readSingle();
    p.HourlyRate2 = in.readSingle();
    p.TipsRate = in.readSingle();
    p.FedExemptions = in.readText();
    p.FedStatus = readFederalStatus(in);
    p.PensionPercent = in.readSingle();
    p.CreditDeduction = in.readSingle();
    p.BondDeduction = in.readSingle();
    p.MiscDeduction = in.readSingle();
    p.DuesDeduction = in.readSingle();
    p.KPlanValue = in.readSingle();
    p.NonCityResident = in.readInteger();
    const int weekly = in.readFlag();
    const int biWeekly = in.readFlag();
    p.frequency = payFrequencyOfFlags(weekly, biWeekly);
    p.CreditLabel = in.readText();
    p.BondLabel = in.readText();
    p.DuesLabel = in.readText();
    p.PensionLabel = in.readText();
    p.MiscLabel = in.readText();
    for (RawField& f : ctx.reserved.useLines9to12) f = in.readRaw();
}

void readAnd(RecordReader& in, PayrollContext& ctx) {
    EmployeeProfile& p = ctx.profile;
    StateSettings& s = ctx.state;
    EmployeeFileReserved& r = ctx.reserved;
    ctx.CheckOffsetHorz = in.readSingle();
    ctx.CheckOffsetVert = in.readSingle();
    s.SpouseWorks = in.readInteger();
    s.CalAllowance = in.readSingle();
    for (float& f : r.andFloats) f = in.readSingle();
    for (bool& b : r.andBooleans) b = in.readFlag() != 0;
    p.EmployeeAddress = in.readText();
    p.EmployeeCityStateZip = in.readText();
    p.EmployeeSsn = in.readText();
    p.EmployeeName = in.readText();
    for (std::string& t : r.andTexts) t = in.readText();
    s.RoundState = in.readInteger();
    s.UseUtah = in.readInteger();
    s.UseWisconsin = in.readInteger();
    s.UseAlabama = in.readInteger();
    s.UseNC = in.readInteger();
    for (int& i : r.andIntegers) i = in.readInteger();
    const int isPercent = in.readInteger();
    p.KPlan = kPlanKindOfFlags(isPercent, in.readInteger());
}

// The state dialog's boxes for the settings the ".and" file carries.
void showAndSettings(PayrollContext& ctx) {
    StateDialogModel& d = ctx.stateDialog;
    const StateSettings& s = ctx.state;
    d.ckSpouse = s.SpouseWorks;
    d.txtCalAllow = shortestText(s.CalAllowance);
    d.ckRoundOff = s.RoundState;
    d.methodBox(StateMethodId::Utah) = s.UseUtah;
    d.methodBox(StateMethodId::Wisconsin) = s.UseWisconsin;
    d.methodBox(StateMethodId::Alabama) = s.UseAlabama;
    d.methodBox(StateMethodId::NC) = s.UseNC;
}

void readCafeteria(RecordReader& in, EmployeeProfile& p) {
    p.CafeteriaAmount = in.readSingle();
    p.CafeteriaReducesState = in.readInteger();
    p.SelfEmployed = in.readInteger();
}

void readOvertimeRows(RecordReader& in, OvertimeSheet& sheet, int rows) {
    for (int i = 0; i < rows; ++i) {
        sheet.WeekEnding[i] = in.readText();
        sheet.WeekOvertime[i] = in.readText();
    }
}

// Reads one file of the group when it exists.
template <typename Reader>
void readIfExists(PayrollContext& ctx, const std::string& extension, Reader read) {
    if (!EmployeeFileExists(ctx, extension)) return;
    const auto content = readFileIfExists(ctx.employeeFile(extension));
    if (!content) return;
    RecordReader in(*content, fileName(ctx, extension));
    read(in);
}

double roundedToHundredths(double value) {
    // A damaged ".use" can hold a percentage beyond the money formats; rounding it would
    // throw and leave the group unsaveable, and its cents mean nothing anyway.
    if (!std::isfinite(value) || std::fabs(value) >= 1e15) return value;
    return strictNumber(formatPattern(value, "0.00")).value_or(0.0);
}

}  // namespace

bool EmployeeFileExists(const PayrollContext& ctx, const std::string& extension) {
    return readableFileExists(ctx.employeeFile(extension));
}

int rowsInUse(const EmployeeProfile& profile) {
    return profile.isWeekly() ? kOvertimeRows : kOvertimeRows / 2;
}

std::string tableNotice(const EmployeeProfile& profile) {
    return profile.isWeekly() ? "Weekly Tax Tables" : "Bi-Weekly Tax Tables";
}

void readStoredEmployeeFiles(PayrollContext& ctx) {
    readIfExists(ctx, ".use", [&](RecordReader& in) { readUse(in, ctx); });
    readIfExists(ctx, ".and", [&](RecordReader& in) {
        readAnd(in, ctx);
        showAndSettings(ctx);
    });
    readIfExists(ctx, ".cfe", [&](RecordReader& in) { readCafeteria(in, ctx.profile); });
    // Chosen by the frequency as stored: a group with neither frequency is not weekly.
    if (ctx.profile.isWeekly()) {
        readIfExists(ctx, ".ovw",
                     [&](RecordReader& in) { readOvertimeRows(in, ctx.overtime, kOvertimeRows); });
    } else {
        readIfExists(ctx, ".ovb", [&](RecordReader& in) {
            readOvertimeRows(in, ctx.overtime, kOvertimeRows / 2);
        });
    }
}

void showEmployeeFileSet(PayrollContext& ctx) {
    // What the files hold, as the employee dialog shows it before any calculation: an empty
    // status is Single, no frequency is weekly, no K plan kind percent.
    normaliseProfile(ctx.profile);
    ctx.window.lbTableNotice = tableNotice(ctx.profile);
}

void ReadEmployeeFiles(PayrollContext& ctx) {
    readStoredEmployeeFiles(ctx);
    showEmployeeFileSet(ctx);
}

std::string formatUseFile(const PayrollContext& ctx) {
    const EmployeeProfile& p = ctx.profile;
    const OvertimeSheet& ot = ctx.overtime;
    RecordWriter out;
    out.single(ot.OtEarned).dbl(ot.OtMaximum).dbl(ot.OtAvailable).endLine();
    out.dbl(static_cast<double>(ot.AnnualSalary)).dbl(static_cast<double>(ot.ApprovedPercent));
    out.dbl(roundedToHundredths(static_cast<double>(ot.OtPercentOfSalary))).endLine();
    out.single(p.HourlyRate).single(p.HourlyRate2).single(p.TipsRate).endLine();
    out.text(p.FedExemptions)
        .text(filingStatusText(p.FedStatus))
        .single(p.PensionPercent)
        .endLine();
    out.single(p.CreditDeduction).single(p.BondDeduction).single(p.MiscDeduction).endLine();
    out.single(p.DuesDeduction).single(p.KPlanValue).integer(p.NonCityResident).endLine();
    out.boolean(p.isWeekly()).boolean(p.isBiWeekly()).text(p.CreditLabel).endLine();
    out.text(p.BondLabel).text(p.DuesLabel).text(p.PensionLabel).text(p.MiscLabel).endLine();
    for (int i = 0; i < 16; ++i) {
        out.raw(ctx.reserved.useLines9to12[i]);
        if (i % 4 == 3) out.endLine();
    }
    return out.content();
}

std::string formatAndFile(const PayrollContext& ctx) {
    const EmployeeProfile& p = ctx.profile;
    const StateSettings& s = ctx.state;
    const EmployeeFileReserved& r = ctx.reserved;
    RecordWriter out;
    out.single(ctx.CheckOffsetHorz).single(ctx.CheckOffsetVert).integer(s.SpouseWorks).endLine();
    out.single(s.CalAllowance).single(r.andFloats[0]).single(r.andFloats[1]).endLine();
    out.single(r.andFloats[2]).single(r.andFloats[3]).single(r.andFloats[4]).endLine();
    out.boolean(r.andBooleans[0]).boolean(r.andBooleans[1]).boolean(r.andBooleans[2]).endLine();
    out.text(p.EmployeeAddress).text(p.EmployeeCityStateZip).text(p.EmployeeSsn).endLine();
    out.text(p.EmployeeName).text(r.andTexts[0]).text(r.andTexts[1]).endLine();
    out.integer(s.RoundState).integer(s.UseUtah).integer(s.UseWisconsin).integer(s.UseAlabama);
    out.endLine();
    out.integer(s.UseNC).integer(r.andIntegers[0]).integer(r.andIntegers[1]).endLine();
    const bool percent = p.KPlan == KPlanKind::PercentOfGross;
    out.integer(percent ? 1 : 0).integer(percent ? 0 : 1).endLine();
    return out.content();
}

std::string formatCafeteriaFile(const EmployeeProfile& p) {
    RecordWriter out;
    out.single(p.CafeteriaAmount).integer(p.CafeteriaReducesState).integer(p.SelfEmployed);
    out.endLine();
    return out.content();
}

std::string formatOvertimeRows(const OvertimeSheet& sheet, int rows) {
    RecordWriter out;
    for (int i = 0; i < rows; ++i) {
        out.text(sheet.WeekEnding[i]).endLine();
        out.dbl(numericValue(sheet.WeekOvertime[i])).endLine();
    }
    return out.content();
}

void saveEmployeeFileSet(PayrollContext& ctx) {
    EmployeeProfile& p = ctx.profile;
    if (p.frequency == PayFrequency::Neither) p.frequency = PayFrequency::Weekly;
    // Counted after the frequency is chosen, so the rows written are those of the file named.
    const int rows = rowsInUse(p);
    for (int i = 0; i < rows; ++i) {
        if (ctx.overtime.WeekOvertime[i].empty()) ctx.overtime.WeekOvertime[i] = "0";
    }
    // Every text made before the first is written: one the files cannot hold refuses them all.
    const bool weekly = p.isWeekly();
    const std::array<std::pair<const char*, std::string>, 4> files{{
        {".use", formatUseFile(ctx)},
        {".and", formatAndFile(ctx)},
        {".cfe", formatCafeteriaFile(p)},
        {weekly ? ".ovw" : ".ovb", formatOvertimeRows(ctx.overtime, rows)},
    }};
    claimForWriting(ctx);
    for (const auto& [extension, content] : files) {
        ctx.writeEmployeeFile(extension, content);
    }
}

}  // namespace corvanta
