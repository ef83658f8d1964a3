#include "session/files/session.h"

#include <utility>

#include "base/files/file_io.h"
#include "session/core/calculate.h"
#include "session/files/employee_files.h"
#include "session/files/employee_hold.h"
#include "session/files/employee_name.h"
#include "session/files/new_employee.h"
#include "session/files/open_employee.h"
#include "session/payroll/employee_commit.h"

namespace corvanta {
namespace {

constexpr std::string_view kNotInNames = "/\\:*?\"<>|";
constexpr std::size_t kExtensionLength = 4;  // ".use"

bool hasControlCharacter(const std::string& name) {
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return true;
    }
    return false;
}

std::string quoted(const std::string& name) { return "\"" + name + "\""; }

// Whether the employee's ".use" is there. Another account's file counts though this one cannot
// read it: New and Save must not replace it unasked.
bool groupExists(const std::filesystem::path& folder, const std::string& name) {
    const auto use = folder / (name + ".use");
    std::error_code ec;
    return std::filesystem::exists(use, ec) && !std::filesystem::is_directory(use, ec);
}

// Before New or Open reads anything: a pay run or restore stopped part way is completed, so
// no employee is seen half moved. Files it kept aside are named.
void recoverFolder(const PayrollContext& ctx, const std::filesystem::path& folder) {
    const CommitRecovery recovery = recoverInterruptedCommit(folder);
    if (const std::string kept = setAsideMessage(recovery); !kept.empty() && ctx.showMessage) {
        ctx.showMessage({kept, "Recovery", MessageIcon::Information});
    }
}

}  // namespace

std::optional<std::string> employeeNameProblem(const std::string& name) {
    if (name.find_first_of(kNotInNames) != std::string::npos) {
        return "The name " + quoted(name) +
               " cannot be used: a name may not hold any of / \\ : * ? \" < > |";
    }
    if (name.find("..") != std::string::npos) {
        return "The name " + quoted(name) + " cannot be used: a name may not hold \"..\".";
    }
    if (hasControlCharacter(name)) {
        return "The name " + quoted(name) + " cannot be used: it holds a control character.";
    }
    return std::nullopt;
}

Session::Session(PayrollContext& ctx, SessionPrompts& prompts, std::function<std::string()> today)
    : ctx_(ctx), prompts_(prompts), today_(std::move(today)) {}

void Session::report(const std::exception& e, const std::string& title) {
    prompts_.showMessage({e.what(), title});
}

SessionOutcome Session::New() {
    if (prompts_.askYesNo("Save?", kSavePreviousQuestion) &&
        runSaveWindow() == SessionOutcome::EndProgram) {
        return SessionOutcome::EndProgram;
    }
    const std::string name = prompts_.askText("File New", kNewUserPrompt).value_or("");
    try {
        recoverFolder(ctx_, ctx_.folder);
    } catch (const UserError& e) {
        report(e, "File New");
        return SessionOutcome::Continue;
    }
    if (const auto problem = newEmployeeNameProblem(name)) {
        prompts_.showMessage({*problem, "File New"});
        return SessionOutcome::Continue;
    }
    // Checked before the name is taken over, so a refused name never becomes the one the
    // data in memory is saved under; checked again under her lock, which another program
    // making the same employee meanwhile holds.
    const auto exists = [&] { return groupExists(ctx_.folder, name); };
    if (exists()) {
        prompts_.showMessage({"........" + name + kAlreadyExistsSuffix});
        return SessionOutcome::Continue;
    }
    EmployeeHold hold = holdEmployee(ctx_.folder, name, ctx_.showMessage);
    if (hold.readOnly() || exists()) {
        prompts_.showMessage(
            {hold.readOnly() ? hold.inUse : "........" + name + kAlreadyExistsSuffix});
        return SessionOutcome::Continue;
    }
    ctx_.hold = std::move(hold);
    ctx_.UserFileBase = name;
    ctx_.window.caption = "  User:  " + name;
    ctx_.window.lbUser = name;
    resetToNewEmployee();
    try {
        Calcu_late(ctx_);
    } catch (const UserError& e) {
        report(e, "File New");
    }
    return SessionOutcome::Continue;
}

void Session::resetToNewEmployee() { startNewEmployee(ctx_, ctx_.UserFileBase, today_()); }

SessionOutcome Session::Open() {
    if (runSaveWindow() == SessionOutcome::EndProgram) return SessionOutcome::EndProgram;
    const auto chosen = prompts_.chooseFile("Saved Files (*.use)|*.use");
    if (!chosen) return SessionOutcome::Continue;
    return openChosen(*chosen);
}

SessionOutcome Session::Open(const std::filesystem::path& chosen) {
    if (runSaveWindow() == SessionOutcome::EndProgram) return SessionOutcome::EndProgram;
    return openChosen(chosen);
}

SessionOutcome Session::openChosen(const std::filesystem::path& chosen) {
    const std::string file = chosen.filename().string();
    const std::string base = file.substr(0, file.size() - std::min(file.size(), kExtensionLength));
    // Read into a copy: an employee that cannot be read leaves the current one whole, so a
    // later save cannot write a half-read employee under either name. OpenEmployee replaces
    // the copy's record whole before it reads.
    PayrollContext next = ctx_;
    if (chosen.has_parent_path()) next.folder = chosen.parent_path();
    try {
        recoverFolder(ctx_, next.folder);
    } catch (const UserError& e) {
        report(e, "Open");
        return SessionOutcome::Continue;
    }
    // Opening her again keeps her lock; otherwise hers is taken, and the previous
    // employee's goes with the previous context.
    if (!ctx_.hold.isFor(next.folder, base) || ctx_.hold.readOnly()) {
        next.hold = holdEmployee(next.folder, base, ctx_.showMessage);
        if (next.hold.readOnly() && !prompts_.askOpenReadOnly(next.hold.inUse)) {
            return SessionOutcome::Continue;
        }
    }
    try {
        OpenEmployee(next, base, today_());
    } catch (const UserError& e) {
        report(e, "Open");
        return SessionOutcome::Continue;
    }
    ctx_ = std::move(next);
    return SessionOutcome::Continue;
}

SessionOutcome Session::Save() { return runSaveWindow(); }

SessionOutcome Session::Exit() {
    if (prompts_.askYesNo("Save?", kSaveSettingsQuestion)) runSaveWindow();
    ctx_.hold = EmployeeHold{};
    return SessionOutcome::EndProgram;
}

SessionOutcome Session::runSaveWindow() {
    for (;;) {
        const SaveWindowAnswer answer = prompts_.showSaveWindow(ctx_.UserFileBase);
        if (answer.choice == SaveChoice::Quit) return SessionOutcome::EndProgram;
        if (answer.choice == SaveChoice::No) return SessionOutcome::Continue;
        if (saveAs(answer.name)) return SessionOutcome::Continue;
    }
}

bool Session::saveAs(const std::string& name) {
    // A name with no group yet makes one, and must be a name every file of it can take.
    const bool exists = groupExists(ctx_.folder, name);
    if (const auto problem = exists ? employeeNameProblem(name) : newEmployeeNameProblem(name)) {
        prompts_.showMessage({*problem, "Save User"});
        return false;
    }
    // Another employee's name typed in the box would put this employee's settings over hers.
    if (name != ctx_.UserFileBase && exists &&
        !prompts_.askYesNoDefaultNo(
            "Save User", name + " already exists. Replace the files of " + name + " with these?")) {
        return false;
    }
    // Her data in memory may be older than her files: read only stays read only until she is
    // opened again. Another name typed in the box is held from now on, as an opened one.
    if (ctx_.hold.name == name && ctx_.hold.readOnly()) {
        prompts_.showMessage({ctx_.hold.inUse, "Save User"});
        return false;
    }
    if (ctx_.hold.locks.count(name) == 0) {
        EmployeeHold next = holdEmployee(ctx_.folder, name, ctx_.showMessage);
        if (next.readOnly()) {
            prompts_.showMessage({next.inUse, "Save User"});
            return false;
        }
        ctx_.hold = std::move(next);
    }
    ctx_.UserFileBase = name;
    try {
        SaveUserFiles(ctx_);
    } catch (const UserError& e) {
        report(e, "Save User");
        return false;
    }
    return true;
}

}  // namespace corvanta
