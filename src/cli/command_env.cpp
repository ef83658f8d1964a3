#include "cli/command_env.h"

#include <filesystem>

#include "cli/cli_args.h"
#include "session/files/employee_hold.h"
#include "session/files/open_employee.h"
#include "session/payroll/folder_recovery.h"

namespace corvanta {

std::set<std::string> withEmployeeOptions(const CommandEnv& env, std::set<std::string> options) {
    if (env.held == nullptr) options.insert({"--dir", "--user"});
    return options;
}

void recoverFolder(const std::filesystem::path& folder, std::ostream& err) {
    for (const std::string& notice : recoverFolderState(folder)) err << notice << "\n";
}

PayrollContext& commandEmployee(const CliArgs& args, CommandEnv& env,
                                std::optional<PayrollContext>& own) {
    if (env.held != nullptr) return *env.held;
    PayrollContext& ctx = own.emplace();
    ctx.showMessage = [&err = env.err](const UserMessage& m) { err << m.text << "\n"; };
    if (const auto dir = args.value("--dir")) ctx.folder = *dir;
    const std::string name = args.value("--user").value_or("");
    // Before anything is read: nobody sees an employee half moved, or misses one being moved.
    recoverFolder(ctx.folder, env.err);
    // A mistyped name would otherwise become a new employee with the default values, and a
    // posted week would be his. Only `new` makes an employee.
    std::error_code ec;
    if (!name.empty() && !std::filesystem::exists(ctx.folder / (name + ".use"), ec)) {
        const auto word = [](const std::string& s) {
            return s.find(' ') == std::string::npos ? s : "\"" + s + "\"";
        };
        throw UserError("There is no employee " + name + " (no file " + name + ".use in " +
                        ctx.folder.string() + "). To create one: corvanta-cli new " + word(name) +
                        " --dir " + word(ctx.folder.string()));
    }
    // Held while the command runs; one another program holds is read only.
    ctx.hold = holdEmployee(ctx.folder, name, ctx.showMessage);
    OpenEmployee(ctx, name, todayText());
    return ctx;
}

}  // namespace corvanta
