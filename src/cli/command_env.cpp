#include "cli/command_env.h"

#include "cli/cli_args.h"
#include "session/files/employee_hold.h"
#include "session/files/open_employee.h"

namespace corvanta {

std::set<std::string> withEmployeeOptions(const CommandEnv& env, std::set<std::string> options) {
    if (env.held == nullptr) options.insert({"--dir", "--user"});
    return options;
}

PayrollContext& commandEmployee(const CliArgs& args, CommandEnv& env,
                                std::optional<PayrollContext>& own) {
    if (env.held != nullptr) return *env.held;
    PayrollContext& ctx = own.emplace();
    ctx.showMessage = [&err = env.err](const UserMessage& m) { err << m.text << "\n"; };
    if (const auto dir = args.value("--dir")) ctx.folder = *dir;
    const std::string name = args.value("--user").value_or("");
    // Held while the command runs; one another program holds is read only.
    ctx.hold = holdEmployee(ctx.folder, name, ctx.showMessage);
    OpenEmployee(ctx, name, todayText());
    return ctx;
}

}  // namespace corvanta
