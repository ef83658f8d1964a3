#include <iostream>
#include <string>
#include <vector>

#include "cli/calc_command.h"
#include "cli/cli_args.h"
#include "cli/ledger_command.h"
#include "cli/print_command.h"
#include "core/money.h"
#include "core/user_error.h"

namespace {

constexpr const char* kUsage =
    "usage: corvanta-cli calc [--dir DIR] [--user NAME] [--straight T] [--straight2 T] [--ot T]\n"
    "                         [--ot15 T] [--holiday T] [--vacation T] [--dollars T] [--tips T]\n"
    "                         [--2x] [--week TEXT] [--no-save] [--post ROW]\n"
    "       corvanta-cli ledger [--dir DIR] [--user NAME]\n"
    "       corvanta-cli stub [calc options] [--save] [--force] (--pdf FILE | --text)\n"
    "       corvanta-cli check [calc options] [--save] [--force] [--memo TEXT]\n"
    "                          [--horz N] [--vert N] [--date TEXT] (--pdf FILE | --text)\n"
    "       corvanta-cli report (--pdf FILE | --text) [--dir DIR] [--user NAME]\n"
    "       corvanta-cli export --xlsx FILE [--dir DIR] [--user NAME]\n";

}  // namespace

int main(int argc, char** argv) {
    using namespace corvanta;
    const std::vector<std::string> all(argv + 1, argv + argc);
    if (all.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    const std::string& command = all.front();
    const std::vector<std::string> rest(all.begin() + 1, all.end());
    try {
        if (command == "calc") return calcCommand(rest, std::cout, std::cerr);
        if (command == "ledger") return ledgerCommand(rest, std::cout, std::cerr);
        if (command == "stub" || command == "check" || command == "report") {
            return printCommand(command, rest, std::cout, std::cerr);
        }
        if (command == "export") return exportCommand(rest, std::cerr);
        std::cerr << "unknown command " << command << "\n" << kUsage;
        return 2;
    } catch (const UsageError& e) {
        std::cerr << e.what() << "\n" << kUsage;
        return 2;
    } catch (const UserError& e) {
        std::cerr << e.what() << "\n";
        return 1;
    } catch (const MoneyOverflow& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
}
