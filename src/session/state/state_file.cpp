#include "session/state/state_file.h"

#include "base/files/file_access.h"
#include "base/files/file_io.h"
#include "records/core/employee_profile.h"
#include "session/files/settings_file.h"

namespace corvanta {

std::string formatStateFile(const StateSettings& s, const EmployeeProfile& p) {
    RecordWriter out;
    for (int k = 0; k < kTableLines; ++k) {
        const BracketLine& a = s.SingleTable[k];
        const BracketLine& b = s.MarriedTable[k];
        out.single(a.MinRange).single(a.Amount).single(a.Percent);
        out.single(b.MinRange).single(b.Amount).single(b.Percent).endLine();
    }
    out.integer(s.NoStateTax).endLine();
    for (int n = 0; n < kTableLines; ++n) {
        out.single(s.SingleAllowance[n]).single(s.MarriedAllowance[n]).endLine();
    }
    out.single(s.SdiPercent).single(s.SuiPercent).single(s.SdiWageBase).single(s.SuiWageBase);
    out.single(s.StateAdjustment).integer(s.SdiUseBase).integer(s.SuiUseBase);
    out.integer(p.SocSecMedExempt).integer(s.UseAlabama).endLine();
    out.integer(s.UseArizona).integer(s.UseLouisiana).integer(s.UseIowa);
    out.integer(p.StateExemptions).text(filingStatusText(p.StateStatus)).integer(p.FedExempt);
    out.single(p.FedAddWithholding).integer(s.UseMass).integer(s.UseOregon);
    out.integer(s.UseKentucky).integer(s.UseMissouri).endLine();
    return out.content();
}

void parseStateFile(std::string_view content, const std::string& fileName, StateSettings& s,
                    EmployeeProfile& p) {
    RecordReader in(content, fileName);
    for (int k = 0; k < kTableLines; ++k) {
        BracketLine& a = s.SingleTable[k];
        BracketLine& b = s.MarriedTable[k];
        a.MinRange = in.readSingle();
        a.Amount = in.readSingle();
        a.Percent = in.readSingle();
        b.MinRange = in.readSingle();
        b.Amount = in.readSingle();
        b.Percent = in.readSingle();
    }
    s.NoStateTax = in.readInteger();
    for (int n = 0; n < kTableLines; ++n) {
        s.SingleAllowance[n] = in.readSingle();
        s.MarriedAllowance[n] = in.readSingle();
    }
    s.SdiPercent = in.readSingle();
    s.SuiPercent = in.readSingle();
    s.SdiWageBase = in.readSingle();
    s.SuiWageBase = in.readSingle();
    s.StateAdjustment = in.readSingle();
    s.SdiUseBase = in.readInteger();
    s.SuiUseBase = in.readInteger();
    p.SocSecMedExempt = in.readInteger();
    s.UseAlabama = in.readInteger();
    s.UseArizona = in.readInteger();
    s.UseLouisiana = in.readInteger();
    s.UseIowa = in.readInteger();
    p.StateExemptions = in.readInteger();
    p.StateStatus = readStateStatus(in);
    p.FedExempt = in.readInteger();
    p.FedAddWithholding = in.readSingle();
    s.UseMass = in.readInteger();
    s.UseOregon = in.readInteger();
    s.UseKentucky = in.readInteger();
    s.UseMissouri = in.readInteger();
}

bool ReadStateFile(PayrollContext& ctx, const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    bool existed = false;
    if (readableFileExists(file)) {
        try {
            const auto content = readFileIfExists(file);
            existed = content.has_value();
            if (content) parseStateFile(*content, name, ctx.state, ctx.profile);
            // A state status written as "0" or left empty is read as the dialog would show it.
            if (content) normaliseProfile(ctx.profile);
        } catch (const FileError& e) {
            throw UserError(corruptedFileMessage(name) + "\r\n\r\n" + e.what());
        }
        if (existed) showStateSettings(ctx.state, ctx.stateDialog);
    }
    showStateBoxes(ctx.state, ctx.stateDialog);
    return existed;
}

void showStateBoxes(const StateSettings& state, StateDialogModel& d) {
    for (int m = 0; m < kStateMethodCount; ++m) {
        d.methodBoxes[m] = methodFlag(state, static_cast<StateMethodId>(m));
    }
    d.ckSpouse = state.SpouseWorks;
    d.ckRoundOff = state.RoundState;
}

void WriteStateFile(PayrollContext& ctx) {
    writeSettingsFile(ctx, ".sta", formatStateFile(ctx.state, ctx.profile));
}

}  // namespace corvanta
