#include "payrun/week_pay_run.h"

#include <sys/resource.h>

#include <algorithm>
#include <cstdint>
#include <future>
#include <optional>

#include "backup/folder_backup.h"
#include "base/core/user_error.h"
#include "base/files/file_io.h"
#include "payrun/hours_csv.h"
#include "session/checks/check_book.h"
#include "session/checks/numbered_check.h"
#include "session/company/company_file.h"
#include "session/payroll/employee_commit.h"
#include "session/payroll/folder_recovery.h"
#include "session/payroll/register_report.h"
#include "session/print/amount_words.h"
#include "session/print/check_print.h"
#include "session/print/pay_stub.h"

namespace corvanta {
namespace {

PayRunPrinters printersFor(const PayRunPrintouts& wanted, const std::string& today, WeekPayRun& run,
                           CheckBook* book, std::vector<std::int64_t>& numbers) {
    PayRunPrinters printers;
    if (wanted.stubs) {
        printers.stub = [&run, today](PayrollContext& ctx) {
            ctx.check = CheckWindow{};
            PrintText(ctx, run.stubs.emplace_back(), today);
        };
    }
    if (wanted.checks) {
        printers.check = [&run, book, &numbers, date = wanted.checkDate](PayrollContext& ctx) {
            const auto stored = [](float v) { return std::to_string(roundHalfEven(v)); };
            const CheckOffsetTexts offsets{stored(ctx.CheckOffsetHorz),
                                           stored(ctx.CheckOffsetVert)};
            ctx.check = CheckWindow{};
            loadCheckWindow(ctx);
            if (date) ctx.check.txtCheckDate = *date;
            // The number is the register's: taken as the check is printed, saved with the run.
            if (book != nullptr) {
                numbers.push_back(book->issue(checkToPrint(ctx)).number);
                ctx.check.checkNumber = std::to_string(numbers.back());
            }
            PrintCheck(ctx, run.checks.emplace_back(), offsets);
            ctx.check.checkNumber.clear();
        };
    }
    return printers;
}

// The rows of the employees paid become the folder's last pay run. Losing it loses only a
// convenience: the run is told, not undone.
void keepLastPayRun(const std::filesystem::path& folder, const std::vector<HoursRow>& rows,
                    WeekPayRun& run) {
    std::vector<HoursRow> paid;
    for (const HoursRow& row : rows) {
        const auto& done = run.outcome.done;
        if (std::find(done.begin(), done.end(), row.employee) != done.end()) paid.push_back(row);
    }
    if (paid.empty()) return;
    try {
        writeFileAtomically(folder / kLastPayRunSheet, writeHoursSheet(paid));
    } catch (const std::exception& e) {
        run.notices.push_back(std::string("The entries of this run were not kept for the next: ") +
                              e.what());
    }
}

// A register of checks that cannot be read refuses a run that prints checks, before it writes.
std::vector<RunProblem> checkRegisterReadable(const std::filesystem::path& folder,
                                              const PayRunPrintouts& printouts) {
    if (!printouts.checks) return {};
    try {
        (void)nextCheckNumber(folder);
    } catch (const UserError& e) {
        return {RunProblem{0, "", "checks", e.what()}};
    }
    return {};
}

// The backup of a run that will not run: waited for, then removed, so a refused run leaves
// nothing behind. A backup that failed has nothing to remove.
void discardBackup(std::future<BackupWritten>& backup, bool hadBackupsFolder) {
    try {
        const BackupWritten written = backup.get();
        std::error_code ec;
        std::filesystem::remove(written.archive, ec);
        // Removed only when the run made it and it is empty.
        if (!hadBackupsFolder) std::filesystem::remove(written.archive.parent_path(), ec);
    } catch (const std::exception&) {
    }
}

// Every row to mend at once, the others read without their locks: nothing is written.
bool refused(WeekPayRun& run, std::vector<RunProblem> problems) {
    if (problems.empty()) return false;
    run.ending = PayRunEnding::Refused;
    run.problems = std::move(problems);
    return true;
}

}  // namespace

WeekPayRun payWeek(PayRunRequest request, const std::vector<HoursRow>& rows,
                   const PayRunPrintouts& printouts, const PayRunProgress& progress,
                   std::time_t now) {
    WeekPayRun run;
    // One open lock file per employee: a large staff needs more than the usual 1,024.
    rlimit files{};
    if (::getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur < files.rlim_max) {
        files.rlim_cur = files.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &files);
    }
    // Locks a killed run left behind go first; then the sheet is checked by itself, so a
    // mistyped name never gets a lock file.
    run.notices = recoverFolderState(request.folder);
    try {
        if (!checkHoursSheet(request, rows).empty()) {
            refused(run, checkPayRun(request, rows, progress));
            return run;
        }
    } catch (const PayRunCancelled&) {
        run.ending = PayRunEnding::Cancelled;
        return run;
    }
    // Every employee of the sheet is held from here to the end of the run.
    if (refused(run, holdPayRunEmployees(request, rows))) return run;
    if (finishInterruptedCommit(request.folder)) {
        run.notices.emplace_back("An employee left part way by an earlier run was finished first.");
    }
    // The backup is written while the rows are checked: both only read the folder, which is
    // held whole. A run refused or cancelled then takes its backup back.
    std::error_code ec;
    const bool hadBackups = std::filesystem::exists(request.folder / kBackupsFolder, ec);
    auto backup = std::async(std::launch::async,
                             [&request, now] { return writeDatedBackup(request.folder, now); });
    std::vector<RunProblem> problems;
    bool cancelled = false;
    try {
        problems = checkPayRun(request, rows, progress);
        if (problems.empty()) problems = checkRegisterReadable(request.folder, printouts);
    } catch (const PayRunCancelled&) {
        cancelled = true;
    } catch (...) {
        discardBackup(backup, hadBackups);
        throw;
    }
    if (cancelled || !problems.empty()) {
        discardBackup(backup, hadBackups);
        if (cancelled) {
            run.ending = PayRunEnding::Cancelled;
        } else {
            refused(run, std::move(problems));
        }
        return run;
    }
    const BackupWritten written = backup.get();
    run.backup = written.archive;
    for (const std::string& link : written.skippedLinks) {
        run.notices.push_back("Not backed up: " + link + " is a symbolic link.");
    }
    // Opened once nothing but a failing employee can stop the run; it holds the folder's lock.
    std::optional<CheckBook> book;
    if (printouts.checks) book.emplace(request.folder);
    std::vector<std::int64_t> numbers;
    run.outcome = runPayPeriod(
        request, rows, printersFor(printouts, request.today, run, book ? &*book : nullptr, numbers),
        progress);
    if (run.outcome.cancelled) {
        // Dropped unsaved: no number was used.
        run.ending = PayRunEnding::Cancelled;
        run.stubs.clear();
        run.checks.clear();
    } else {
        run.ending =
            run.outcome.failedEmployee.empty() ? PayRunEnding::Paid : PayRunEnding::Stopped;
        // The employee the run stopped at may have printed before failing: she is not paid.
        const auto paid = [&run](std::vector<RecordedDocument>& printed) {
            if (printed.size() > run.outcome.done.size()) printed.resize(run.outcome.done.size());
        };
        paid(run.stubs);
        paid(run.checks);
        if (book) {
            // A check numbered for the employee the run stopped at is never handed out.
            for (std::size_t i = run.checks.size(); i < numbers.size(); ++i) {
                book->markVoid(numbers[i]);
            }
            // Saved before any check reaches paper or a file.
            book->save();
        }
        keepLastPayRun(request.folder, rows, run);
    }
    return run;
}

std::map<std::string, HoursRow> lastPaidEntries(const std::filesystem::path& folder) {
    std::map<std::string, HoursRow> entries;
    const auto sheet = readFileIfExists(folder / kLastPayRunSheet);
    if (!sheet) return entries;
    for (HoursRow& row : readHoursSheet(*sheet, kLastPayRunSheet)) {
        entries.emplace(row.employee, std::move(row));
    }
    return entries;
}

std::vector<std::string> problemLines(const std::vector<RunProblem>& problems) {
    std::vector<std::string> lines;
    lines.reserve(problems.size());
    for (const RunProblem& p : problems) {
        lines.push_back("line " + std::to_string(p.line) + ", " +
                        (p.employee.empty() ? "(no employee)" : p.employee) + ", " + p.field +
                        ": " + p.reason);
    }
    return lines;
}

void printWeekRegister(const std::filesystem::path& folder, const std::string& week,
                       PrintColumnModel& out) {
    const PayrollRegister reg =
        buildRegister(readPayrollFolder(folder), registerPeriod(RegisterSpan::Week, week),
                      companyOfFolder(folder).deposits);
    printRegister(reg, out);
}

}  // namespace corvanta
