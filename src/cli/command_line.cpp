#include "cli/command_line.h"

#include "base/core/money.h"
#include "base/core/program_info.h"
#include "base/core/user_error.h"
#include "cli/backup_command.h"
#include "cli/calc_command.h"
#include "cli/checks_command.h"
#include "cli/cli_args.h"
#include "cli/company_command.h"
#include "cli/forms_command.h"
#include "cli/ledger_command.h"
#include "cli/new_command.h"
#include "cli/print_command.h"
#include "cli/register_command.h"
#include "cli/run_command.h"
#include "cli/session_command.h"

namespace corvanta {

const char* const kUsage =
    "usage: corvanta-cli calc [--dir DIR] [--user NAME] [--straight T] [--straight2 T] [--ot T]\n"
    "                         [--ot15 T] [--holiday T] [--vacation T] [--dollars T] [--tips T]\n"
    "                         [--2x] [--week DATE | --label TEXT] [--no-save] [--post ROW]\n"
    "       corvanta-cli ledger [--dir DIR] [--user NAME]\n"
    "       corvanta-cli stub [--dir DIR] [--user NAME] [calc options] [--save | --no-save]\n"
    "                         [--post ROW] [--force] (--pdf FILE | --text)\n"
    "       corvanta-cli check [--dir DIR] [--user NAME] [calc options] [--save | --no-save]\n"
    "                          [--post ROW] [--force] [--memo TEXT] [--horz N] [--vert N]\n"
    "                          [--date TEXT] (--pdf FILE | --text)\n"
    "       corvanta-cli report (--pdf FILE | --text) [--dir DIR] [--user NAME]\n"
    "       corvanta-cli export --xlsx FILE [--dir DIR] [--user NAME]\n"
    "       corvanta-cli new NAME [--dir DIR]\n"
    "       corvanta-cli session [--dir DIR] [--script FILE]\n"
    "       corvanta-cli register (--week DATE | --quarter 2008Q1 | --year 2008)\n"
    "                             (--text | --pdf FILE | --csv FILE | --json) [--dir DIR]\n"
    "       corvanta-cli backup [--dir DIR] [--to FILE] | --verify FILE | --restore FILE [--yes]\n"
    "       corvanta-cli run --hours FILE.csv (--week DATE | --label TEXT)\n"
    "                        [--post ROW | --post next]\n"
    "                        [--stubs FILE.pdf] [--checks FILE.pdf] [--date TEXT] [--dir DIR]\n"
    "       corvanta-cli company [--dir DIR] [--name TEXT] [--street TEXT] [--city TEXT]\n"
    "                            [--state XX] [--zip TEXT] [--ein NN-NNNNNNN] [--state-id TEXT]\n"
    "                            [--home-state NAME|table] [--local none|nyc|table]\n"
    "                            [--deposits monthly|semiweekly] [--contact-name TEXT]\n"
    "                            [--contact-phone TEXT] [--contact-email TEXT]\n"
    "                            [--next-check N]\n"
    "       corvanta-cli checks (--json | --csv FILE | --void N [--zero-ledger]) [--dir DIR]\n"
    "       corvanta-cli forms [--dir DIR] [--year 2008 [--w2 FILE.pdf] [--w3 FILE.pdf]\n"
    "                          [--940 FILE.pdf] [--efw2 FILE --user-id ID]]\n"
    "                          [--quarter 2008Q1 [--941 FILE.pdf]] [--json]\n"
    "       corvanta-cli --help | --version\n"
    "       corvanta-cli COMMAND --help\n"
    "calc options: --straight, --straight2, --ot, --ot15, --holiday, --vacation, --dollars,\n"
    "--tips (the entry boxes), --2x, --week and --label, as for calc.\n";

namespace {

constexpr const char* kAbout =
    "corvanta-cli: the paycheck calculator's commands over the employee files of a folder.\n"
    "Each command takes --help for its options.\n\n";
constexpr const char* kExitCodes =
    "\nExit codes: 0 done, 1 refused (an entry that is not a number, a damaged or missing\n"
    "file), 2 a usage error.\n";

int dispatch(const std::string& command, const std::vector<std::string>& rest, CommandEnv& env) {
    if (command == "calc") return calcCommand(rest, env);
    if (command == "ledger") return ledgerCommand(rest, env);
    if (command == "stub" || command == "check" || command == "report") {
        return printCommand(command, rest, env);
    }
    if (command == "export") return exportCommand(rest, env);
    if (command == "register") return registerCommand(rest, env);
    if (command == "new" && env.held == nullptr) return newCommand(rest, env);
    if (command == "backup") return backupCommand(rest, env);
    if (command == "run") return runCommand(rest, env);
    if (command == "company") return companyCommand(rest, env);
    if (command == "checks") return checksCommand(rest, env);
    if (command == "forms") return formsCommand(rest, env);
    if (command == "session" && env.held == nullptr) return sessionCommand(rest, env);
    env.err << "unknown command " << command << "\n" << kUsage;
    return 2;
}

}  // namespace

int runCommandLine(const std::vector<std::string>& args, CommandEnv& env) {
    if (args.empty()) {
        env.err << kUsage;
        return 2;
    }
    if (env.held == nullptr && args.size() == 1) {
        if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
            env.out << kAbout << kUsage << kExitCodes;
            return 0;
        }
        if (args[0] == "--version") {
            env.out << "corvanta-cli " << kProgramVersion << "\n";
            return 0;
        }
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    try {
        return dispatch(args.front(), rest, env);
    } catch (const HelpRequested& help) {
        env.out << help.what();
        return 0;
    } catch (const UsageError& e) {
        env.err << e.what() << "\n" << kUsage;
        return 2;
    } catch (const UserError& e) {
        env.err << e.what() << "\n";
        return 1;
    }
}

}  // namespace corvanta
