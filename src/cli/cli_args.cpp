#include "cli/cli_args.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <ctime>
#include <memory>

#include "base/files/record_format.h"

namespace corvanta {
namespace {

// What each option is, for a command's --help.
const std::map<std::string, std::string>& optionHelp() {
    static const std::map<std::string, std::string> help{
        {"--dir", "the folder of the employee files (default: the current folder)"},
        {"--user", "the employee's file name (default: the default group)"},
        {"--straight", "STRAIGHT TIME HOURS 1"},
        {"--straight2", "STRAIGHT TIME HOURS 2"},
        {"--ot", "O.T. hours, at 1X (or 2X with --2x)"},
        {"--ot15", "O.T. TIME AND 1/2 (1.5X) hours"},
        {"--holiday", "HOLIDAY IN HOURS"},
        {"--vacation", "VACATION - SICK, IN HOURS"},
        {"--dollars", "PAY IN DOLLAR AMOUNT"},
        {"--tips", "TIPS (Hours)"},
        {"--2x", "pay the O.T. hours at twice the rate"},
        {"--week", "the pay period date, M/D/YYYY (default: today; --post needs it or --label)"},
        {"--label", "the pay period's label when it is not a date (instead of --week)"},
        {"--no-save", "do not save the employee's files after the calculation"},
        {"--post", "post the calculation into this year-to-date row (1-52 or 1-26)"},
        {"--save", "save the employee's files after the calculation"},
        {"--force", "print even though the employee's name is still the placeholder"},
        {"--pdf", "write the printout to this PDF file"},
        {"--text", "print the page as text, one column a character"},
        {"--memo", "the check's memo line"},
        {"--horz", "the printer's column offset, +5 to -5"},
        {"--vert", "the printer's line offset, +5 to -5"},
        {"--date", "the check's date"},
        {"--xlsx", "write the ledger workbook to this file"},
        {"--script", "read the session's commands from this file (default: standard input)"},
        {"--quarter", "the quarter of the register, such as 2008Q1"},
        {"--year", "the year of the register and its W-2 figures, such as 2008"},
        {"--csv", "write the register as CSV to this file"},
        {"--json", "print the register as JSON"},
        {"--to", "write the backup archive to this file"},
        {"--verify", "check this backup archive against its manifest"},
        {"--restore", "put the files of this backup archive back"},
        {"--yes", "restore without asking"},
        {"--hours", "the pay run's hours sheet (CSV)"},
        {"--stubs", "write every pay stub of the run into this PDF"},
        {"--checks", "write every check of the run into this PDF"},
        {"--name", "the company's name (the heading's first line)"},
        {"--street", "the company's street (the heading's second line)"},
        {"--city", "the company's city"},
        {"--state", "the company's state: two letters, one of the 50 states or DC"},
        {"--zip", "the company's ZIP code: 5 or 9 digits"},
        {"--ein", "the employer identification number: 9 digits, NN-NNNNNNN"},
        {"--state-id", "the state employer number"},
        {"--home-state", "the state method new employees start with: a method's name or table"},
        {"--local", "the local tax new employees start with: none, nyc or table"},
        {"--deposits", "the federal deposit schedule: monthly or semiweekly"},
        {"--contact-name", "the person the year-end filings name"},
        {"--contact-phone", "the contact's phone number"},
        {"--contact-email", "the contact's e-mail address"},
        {"--next-check", "the number the next check takes (never one already used)"},
        {"--void", "void the check of this number; it stays listed, marked void"},
        {"--zero-ledger", "with --void: zero the ledger row the check paid"},
        {"--w2", "write each employee's W-2 copies B, C and 2 into this PDF"},
        {"--w3", "write the W-3 totals into this PDF"},
        {"--efw2", "write the year's wage file for the Social Security Administration"},
        {"--user-id", "the submitter's User ID for the wage file (8 letters or digits)"},
        {"--941", "write the quarter's 941 worksheet into this PDF"},
        {"--940", "write the year's 940 worksheet into this PDF"},
    };
    return help;
}

// Where an option means something else in a command, or has another default there.
const std::map<std::pair<std::string, std::string>, std::string>& commandOptionHelp() {
    static const std::map<std::pair<std::string, std::string>, std::string> help{
        {{"stub", "--no-save"}, "do not save the employee's files (the default)"},
        {{"check", "--no-save"}, "do not save the employee's files (the default)"},
        {{"check", "--date"}, "the check's date (default: the check window's date)"},
        {{"register", "--week"}, "the week of the register: a week label as posted in the ledgers"},
        {{"register", "--pdf"}, "print the register landscape into this PDF file"},
        {{"run", "--week"}, "the pay period date of the run, M/D/YYYY (required, or --label)"},
        {{"forms", "--year"}, "the tax year of the W-2s, the W-3, the wage file and the 940"},
        {{"forms", "--quarter"}, "the quarter of the 941, such as 2008Q1"},
        {{"forms", "--json"}, "print every figure of the forms as JSON"},
        {{"run", "--post"},
         "the ledger row to post into, or next (the default): each employee's next empty row"},
        {{"run", "--date"}, "the checks' date (default: today)"},
        {{"backup", "--dir"},
         "the working folder to back up or restore into (default: the "
         "current folder)"},
        {{"company", "--dir"}, "the folder whose company it is (default: the current folder)"},
        {{"session", "--dir"}, "the folder of the employee files (default: the current folder)"},
    };
    return help;
}

std::string helpOf(const std::string& command, const std::string& name) {
    if (const auto it = commandOptionHelp().find({command, name});
        it != commandOptionHelp().end()) {
        return it->second;
    }
    const auto it = optionHelp().find(name);
    return it == optionHelp().end() ? std::string() : it->second;
}

}  // namespace

CliArgs::CliArgs(const std::string& command, const std::vector<std::string>& args,
                 const std::set<std::string>& valued, const std::set<std::string>& switches) {
    CLI::App app{"corvanta-cli " + command, "corvanta-cli " + command};
    std::map<std::string, std::string> given;
    std::map<std::string, CLI::Option*> options;
    for (const std::string& name : valued) {
        options[name] = app.add_option(name, given[name], helpOf(command, name));
    }
    std::map<std::string, bool> flags;
    for (const std::string& name : switches) {
        app.add_flag(name, flags[name], helpOf(command, name));
    }
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        throw HelpRequested(app.help());
    } catch (const CLI::ParseError& e) {
        throw UsageError(e.what());
    }
    for (const auto& [name, option] : options) {
        if (option->count() != 0) values_[name] = given[name];
    }
    // Texts that end up in the employee files are refused here, not changed on the way.
    for (const char* text : {"--week", "--memo", "--date"}) {
        if (const auto it = values_.find(text); it != values_.end()) {
            requireStorableText("option " + it->first, it->second);
        }
    }
    for (const auto& [name, set] : flags) {
        if (set) switches_.insert(name);
    }
}

std::optional<std::string> CliArgs::value(const std::string& name) const {
    const auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

std::string todayText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::to_string(local.tm_mon + 1) + "/" + std::to_string(local.tm_mday) + "/" +
           std::to_string(local.tm_year + 1900);
}

}  // namespace corvanta
