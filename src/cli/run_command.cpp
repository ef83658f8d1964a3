#include "cli/run_command.h"

#include <sys/resource.h>

#include <QGuiApplication>
#include <cstdlib>
#include <ctime>
#include <optional>

#include "backup/folder_backup.h"
#include "base/core/numeric_text.h"
#include "base/files/file_io.h"
#include "base/files/stale_locks.h"
#include "cli/cli_args.h"
#include "cli/command_env.h"
#include "cli/hours_csv.h"
#include "cli/run_document.h"
#include "cli/week_option.h"
#include "records/print/text_page.h"
#include "session/company/company_file.h"
#include "session/payroll/employee_commit.h"
#include "session/payroll/register_report.h"
#include "session/print/amount_words.h"
#include "session/print/check_print.h"
#include "session/print/pay_stub.h"

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

void listProblems(const std::vector<RunProblem>& problems, std::ostream& err) {
    err << "The pay run was refused; no file was written. Rows to mend:\n";
    for (const RunProblem& p : problems) {
        err << "line " << p.line << ", " << (p.employee.empty() ? "(no employee)" : p.employee)
            << ", " << p.field << ": " << p.reason << "\n";
    }
}

PayRunPrinters printersFor(std::optional<RunDocument>& stubs, std::optional<RunDocument>& checks,
                           const std::optional<std::string>& date, const std::string& today) {
    PayRunPrinters printers;
    if (stubs) {
        printers.stub = [&stubs, today](PayrollContext& ctx) {
            ctx.check = CheckWindow{};
            stubs->startPrintout();
            PrintText(ctx, *stubs, today);
        };
    }
    if (checks) {
        printers.check = [&checks, date](PayrollContext& ctx) {
            const auto stored = [](float v) { return std::to_string(roundHalfEven(v)); };
            const CheckOffsetTexts offsets{stored(ctx.CheckOffsetHorz),
                                           stored(ctx.CheckOffsetVert)};
            ctx.check = CheckWindow{};
            loadCheckWindow(ctx);
            if (date) ctx.check.txtCheckDate = *date;
            checks->startPrintout();
            PrintCheck(ctx, *checks, offsets);
        };
    }
    return printers;
}

void printWeekRegister(const std::filesystem::path& folder, const std::string& week,
                       std::ostream& out) {
    const PayrollRegister reg =
        buildRegister(readPayrollFolder(folder), registerPeriod(RegisterSpan::Week, week),
                      companyOfFolder(folder).deposits);
    TextPage page;
    printRegister(reg, page);
    out << page.text();
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
    // One open lock file per employee: a large staff needs more than the usual 1,024.
    rlimit files{};
    if (::getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur < files.rlim_max) {
        files.rlim_cur = files.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &files);
    }
    // Locks a killed run left behind go first; then the sheet is checked by itself, so a
    // mistyped name never gets a lock file.
    recoverFolder(request.folder, env.err);
    if (!checkHoursSheet(request, rows).empty()) {
        // Every bad row at once, the others read without their locks: nothing is written.
        listProblems(checkPayRun(request, rows), env.err);
        return 1;
    }
    // Every employee of the sheet is held from here to the end of the run.
    if (const auto inUse = holdPayRunEmployees(request, rows); !inUse.empty()) {
        listProblems(inUse, env.err);
        return 1;
    }
    if (finishInterruptedCommit(request.folder)) {
        env.err << "An employee left part way by an earlier run was finished first.\n";
    }
    const auto problems = checkPayRun(request, rows);
    if (!problems.empty()) {
        listProblems(problems, env.err);
        return 1;
    }
    const BackupWritten written = writeDatedBackup(request.folder, std::time(nullptr));
    const std::filesystem::path& backup = written.archive;
    env.out << "Backup written: " << backup.string() << "\n";
    for (const std::string& link : written.skippedLinks) {
        env.err << "Not backed up: " << link << " is a symbolic link.\n";
    }

    std::optional<GuiSession> gui;
    std::optional<RunDocument> stubs;
    std::optional<RunDocument> checks;
    if (args.value("--stubs") || args.value("--checks")) gui.emplace();
    if (args.value("--stubs")) stubs.emplace();
    if (args.value("--checks")) checks.emplace();
    const PayRunOutcome outcome = runPayPeriod(
        request, rows, printersFor(stubs, checks, args.value("--date"), request.today));
    if (stubs && stubs->pages() > 0) stubs->save(*args.value("--stubs"));
    if (checks && checks->pages() > 0) checks->save(*args.value("--checks"));
    if (!outcome.failedEmployee.empty()) {
        env.err << "The pay run stopped at " << outcome.failedEmployee << ": " << outcome.failure
                << "\nDone: " << joinedNames(outcome.done) << ". The backup " << backup.string()
                << " restores the folder as it was before the run.\n";
        return 1;
    }
    printWeekRegister(request.folder, request.week, env.out);
    return 0;
}

}  // namespace corvanta
