#include "cli/checks_command.h"

#include <cmath>
#include <functional>

#include "base/core/numeric_text.h"
#include "base/files/file_io.h"
#include "cli/cli_args.h"
#include "cli/json_writer.h"
#include "records/company/company.h"
#include "session/checks/check_book.h"
#include "session/checks/check_register_report.h"
#include "session/checks/check_void.h"

namespace corvanta {
namespace {

std::string registerJson(const CheckRegister& reg, std::int64_t next) {
    JsonWriter j;
    j.beginObject();
    j.text("file", kCheckRegisterFile);
    j.number("nextNumber", static_cast<double>(next));
    j.beginArray("checks");
    for (const IssuedCheck& c : reg.checks) {
        j.beginObject();
        j.number("number", static_cast<double>(c.number));
        j.text("date", c.date).text("employee", c.employee).text("payee", c.payee);
        j.number("amount", static_cast<double>(c.cents) / 100);
        j.text("week", c.week).text("state", checkStateName(c.state));
        j.endObject();
    }
    j.endArray();
    j.endObject();
    return j.str();
}

std::int64_t checkNumberOf(const std::string& text) {
    const auto value = strictNumber(text);
    if (!value || *value < 1 || *value > static_cast<double>(kLargestCheckNumber) ||
        *value != std::floor(*value)) {
        throw UsageError("--void takes a check number, such as 1001");
    }
    return static_cast<std::int64_t>(*value);
}

int voidOne(const std::filesystem::path& folder, std::int64_t number, bool zeroLedger,
            CommandEnv& env) {
    std::function<int(const IssuedCheck&)> zero;
    if (zeroLedger) {
        zero = [&env, &folder](const IssuedCheck& check) {
            // The session's own employee is changed in the session, which saves her ledger.
            if (env.held != nullptr && env.held->UserFileBase == check.employee) {
                return zeroPaidRow(*env.held, check);
            }
            return zeroPaidRow(folder, check,
                               [&env](const UserMessage& m) { env.err << m.text << "\n"; });
        };
    }
    const VoidedCheck done = voidCheck(folder, number, true, zero);
    env.out << "Check " << done.check.number << " is void.\n";
    if (done.zeroedRow) {
        env.out << "Row " << *done.zeroedRow + 1 << " of " << done.check.employee
                << "'s ledger (week " << done.check.week << ") is zeroed.\n";
    }
    if (!done.ledgerFailure.empty()) {
        env.err << "The ledger row was not zeroed: " << done.ledgerFailure << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

int checksCommand(const std::vector<std::string>& argv, CommandEnv& env) {
    std::set<std::string> valued{"--csv", "--void"};
    if (env.held == nullptr) valued.insert("--dir");
    const CliArgs args("checks", argv, valued, {"--json", "--zero-ledger"});
    const int outputs = static_cast<int>(args.has("--json")) +
                        static_cast<int>(args.value("--csv").has_value()) +
                        static_cast<int>(args.value("--void").has_value());
    if (outputs != 1) throw UsageError("give one of --json, --csv FILE or --void N");
    if (args.has("--zero-ledger") && !args.value("--void")) {
        throw UsageError("--zero-ledger goes with --void N");
    }
    const std::filesystem::path folder =
        env.held != nullptr ? env.held->folder
                            : std::filesystem::path(args.value("--dir").value_or("."));
    if (env.held == nullptr) recoverFolder(folder, env.err);
    if (const auto number = args.value("--void")) {
        return voidOne(folder, checkNumberOf(*number), args.has("--zero-ledger"), env);
    }
    const CheckRegister reg = readCheckRegister(folder);
    if (const auto csv = args.value("--csv")) {
        writeFileAtomically(*csv, checkRegisterCsv(reg));
        return 0;
    }
    env.out << registerJson(reg, nextCheckNumber(folder)) << "\n";
    return 0;
}

}  // namespace corvanta
