#include "cli/run_command.h"

#include <QGuiApplication>
#include <cstdlib>
#include <ctime>
#include <optional>

#include "base/core/numeric_text.h"
#include "base/files/file_io.h"
#include "cli/cli_args.h"
#include "cli/command_env.h"
#include "cli/week_option.h"
#include "payrun/hours_csv.h"
#include "payrun/week_pay_run.h"
#include "qtprint/run_document.h"
#include "records/print/text_page.h"

namespace corvanta {
namespace {

struct GuiSession {
    GuiSession() {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        if (QGuiApplication::instance() == nullptr) app.emplace(argc, argv);
    }
    int argc = 1;
    char name[13] = "corvanta-cli";
    char* argv[2] = {name, nullptr};
    std::optional<QGuiApplication> app;
};

std::optional<int> postRowOf(const CliArgs& args) {
    const auto post = args.value("--post");
    if (!post || *post == "next") return std::nullopt;
    const auto row = strictInteger(*post);
    if (!row || *row < 1)
        throw UsageError("--post takes a ledger row or next, not \"" + *post + "\"");
    return *row;
}

std::vector<HoursRow> hoursOf(const std::string& file) {
    const auto content = readFileIfExists(file);
    const std::string name = std::filesystem::path(file).filename().string();
    if (!content) throw FileError("The hours sheet " + name + " does not exist.", name);
    return readHoursSheet(*content, name);
}

std::string joinedNames(const std::vector<std::string>& names) {
    std::string s;
    for (const std::string& n : names) s += (s.empty() ? "" : ", ") + n;
    return s.empty() ? "none" : s;
}

}  // namespace

int runCommand(const std::vector<std::string>& argv, CommandEnv& env) {
    const CliArgs args(
        "run", argv,
        {"--hours", "--week", "--label", "--post", "--stubs", "--checks", "--date", "--dir"}, {});
    const auto hours = args.value("--hours");
    if (!hours || (!args.value("--week") && !args.value("--label"))) {
        throw UsageError("run needs --hours FILE.csv and --week DATE (or --label TEXT)");
    }
    PayRunRequest request{args.value("--dir").value_or("."),
                          weekOption(args, true),
                          postRowOf(args),
                          todayText(),
                          {}};
    const std::vector<HoursRow> rows = hoursOf(*hours);
    const auto stubsFile = args.value("--stubs");
    const auto checksFile = args.value("--checks");
    std::optional<GuiSession> gui;
    if (stubsFile || checksFile) gui.emplace();
    const PayRunPrintouts printouts{stubsFile.has_value(), checksFile.has_value(),
                                    args.value("--date")};
    const WeekPayRun run = payWeek(request, rows, printouts, {}, std::time(nullptr));
    for (const std::string& notice : run.notices) env.err << notice << "\n";
    if (run.ending == PayRunEnding::Refused) {
        env.err << "The pay run was refused; no file was written. Rows to mend:\n";
        for (const std::string& line : problemLines(run.problems)) env.err << line << "\n";
        return 1;
    }
    env.out << "Backup written: " << run.backup.string() << "\n";
    std::vector<PrintoutsPdf> pdfs;
    if (stubsFile && !run.stubs.empty()) pdfs.push_back({&run.stubs, *stubsFile});
    if (checksFile && !run.checks.empty()) pdfs.push_back({&run.checks, *checksFile});
    savePrintoutPdfs(pdfs);
    const PayRunOutcome& outcome = run.outcome;
    if (!outcome.failedEmployee.empty()) {
        env.err << "The pay run stopped at " << outcome.failedEmployee << ": " << outcome.failure
                << "\nDone: " << joinedNames(outcome.done) << ". The backup " << run.backup.string()
                << " restores the folder as it was before the run.\n";
        return 1;
    }
    TextPage page;
    printWeekRegister(request.folder, request.week, page);
    env.out << page.text();
    return 0;
}

}  // namespace corvanta
