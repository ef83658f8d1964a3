#include "session/payroll/pay_run.h"

#include <algorithm>
#include <set>

#include "base/core/numeric_text.h"
#include "base/core/user_error.h"
#include "session/core/calculate.h"
#include "session/files/employee_files.h"
#include "session/files/open_employee.h"
#include "session/files/session.h"
#include "session/payroll/employee_commit.h"
#include "session/ytd/ledger_file.h"
#include "session/ytd/ledger_ops.h"

namespace corvanta {
namespace {

bool rowIsFree(const LedgerRow& r) {
    return (r.WeekLabel.empty() || r.WeekLabel == "0") && r.Gross == 0 && r.Net == 0;
}

// The 0-based row to post into, or nothing when there is none.
std::optional<int> postingRow(const PayrollContext& ctx, const std::optional<int>& postRow) {
    const int rows = rowsInUse(ctx.profile);
    if (postRow) {
        if (*postRow < 1 || *postRow > rows || !rowIsFree(ctx.ledger.rows[*postRow - 1])) {
            return std::nullopt;
        }
        return *postRow - 1;
    }
    for (int i = 0; i < rows; ++i) {
        if (rowIsFree(ctx.ledger.rows[i])) return i;
    }
    return std::nullopt;
}

// The row's cells as values, read by the entry boxes' own rule; the week is the period the
// stub prints and the ledger posts.
PeriodEntries rowEntries(PayrollContext& ctx, const HoursRow& row, const std::string& week) {
    ctx.window.txtWeek = week;
    return readPeriodEntries(row.boxes, row.twoX == "1", week);
}

std::string postProblem(const PayrollContext& ctx, const std::optional<int>& postRow) {
    const int rows = rowsInUse(ctx.profile);
    if (!postRow) return "the ledger has no empty row";
    if (*postRow < 1 || *postRow > rows) {
        return "the ledger has rows 1 to " + std::to_string(rows) + ", not " +
               std::to_string(*postRow);
    }
    return "row " + std::to_string(*postRow) + " already holds a posted period";
}

void checkEntries(const HoursRow& row, std::vector<RunProblem>& problems) {
    for (int i = 0; i < kEntryBoxes; ++i) {
        if (!entryValue(row.boxes[i])) {
            problems.push_back({row.line, row.employee, kHoursColumns[i],
                                "\"" + row.boxes[i] + "\" is not a number"});
        }
    }
    if (row.twoX != "" && row.twoX != "0" && row.twoX != "1") {
        problems.push_back(
            {row.line, row.employee, "2x", "\"" + row.twoX + "\" is not empty, 0 or 1"});
    }
}

// Opens the employee and calculates in memory, as the run will; nothing is written. Posts
// the period into her ledger in memory when `posted` is given and the row can be paid.
void checkEmployee(const PayRunRequest& request, const HoursRow& row,
                   std::vector<RunProblem>& problems,
                   std::vector<EmployeeBooks>* posted = nullptr) {
    PayrollContext ctx;
    ctx.folder = request.folder;
    try {
        OpenEmployee(ctx, row.employee, request.today);
        requireFederalTable(ctx);
    } catch (const UserError& e) {
        problems.push_back({row.line, row.employee, "files", e.what()});
        return;
    }
    const std::size_t before = problems.size();
    const auto target = postingRow(ctx, request.postRow);
    if (const auto already = rowPostedFor(ctx, request.week)) {
        problems.push_back(
            {row.line, row.employee, "week", alreadyPostedText(request.week, *already)});
    } else if (!target) {
        problems.push_back({row.line, row.employee, "post", postProblem(ctx, request.postRow)});
    }
    const std::size_t entriesFrom = problems.size();
    checkEntries(row, problems);
    if (problems.size() != entriesFrom) return;
    try {
        calculateEntries(ctx, rowEntries(ctx, row, request.week), CalculateOptions{.save = false});
    } catch (const UserError& e) {
        problems.push_back({row.line, row.employee, "entries", e.what()});
    }
    if (posted == nullptr || problems.size() != before) return;
    PasteMe(ctx, *target);
    Update(ctx);
    AddAnnual(ctx);
    EmployeeBooks& books = posted->emplace_back();
    books.name = row.employee;
    books.profile = ctx.profile;
    books.rows.assign(ctx.ledger.rows.begin(), ctx.ledger.rows.begin() + rowsInUse(ctx.profile));
}

void tellProgress(const PayRunProgress& progress, PayRunStage stage, std::size_t done,
                  std::size_t total) {
    if (progress && !progress(stage, done, total)) throw PayRunCancelled();
}

void runRow(PayrollContext& ctx, const PayRunRequest& request, const HoursRow& row,
            const PayRunPrinters& printers) {
    // Her files are read from the folder and written aside under the lock of her own folder;
    // each staged file is flushed with the others of hers when she is committed.
    const auto hold = request.holds.find(row.employee);
    if (hold == request.holds.end()) throw UserError("no employee " + row.employee + " to hold");
    ctx.files() = FileGroup{.folder = request.folder,
                            .stagedIn = stageEmployee(request.folder, row.employee),
                            .hold = hold->second,
                            .durableWrites = false};
    OpenEmployee(ctx, row.employee, request.today);
    requireFederalTable(ctx);
    calculateEntries(ctx, rowEntries(ctx, row, request.week), CalculateOptions{.save = false});
    SaveUserFiles(ctx);
    const auto target = postingRow(ctx, request.postRow);
    if (!target) throw UserError(postProblem(ctx, request.postRow));
    refuseWeekPostedTwice(ctx, request.week, *target);
    PasteMe(ctx, *target);
    Update(ctx);
    AddAnnual(ctx);
    SaveAnnual(ctx);
    if (printers.stub) printers.stub(ctx);
    if (printers.check) printers.check(ctx);
}

// Every row as the run would take it, in line order; each row that can be paid is posted
// into `posted` (when given) in memory.
std::vector<RunProblem> checkEveryRow(const PayRunRequest& request,
                                      const std::vector<HoursRow>& rows,
                                      const PayRunProgress& progress,
                                      std::vector<EmployeeBooks>* posted);

}  // namespace

std::vector<RunProblem> checkHoursSheet(const PayRunRequest& request,
                                        const std::vector<HoursRow>& rows) {
    std::vector<RunProblem> problems;
    std::set<std::string> seen;
    for (const HoursRow& row : rows) {
        if (row.extraCells > 0) {
            // Shifted cells would be paid as other entries, or a cell dropped unseen.
            problems.push_back({row.line, row.employee, "cells",
                                std::to_string(row.extraCells) +
                                    (row.extraCells == 1 ? " cell" : " cells") +
                                    " more than the heading has columns"});
        }
        if (row.employee.empty()) {
            problems.push_back({row.line, row.employee, "employee", "no employee is named"});
            continue;
        }
        if (!seen.insert(row.employee).second) {
            problems.push_back({row.line, row.employee, "employee", "listed twice"});
            continue;
        }
        std::error_code ec;
        if (employeeNameProblem(row.employee) ||
            !std::filesystem::exists(request.folder / (row.employee + ".use"), ec)) {
            problems.push_back(
                {row.line, row.employee, "employee", "no such employee (no \".use\" file)"});
        }
    }
    return problems;
}

namespace {

std::vector<RunProblem> checkEveryRow(const PayRunRequest& request,
                                      const std::vector<HoursRow>& rows,
                                      const PayRunProgress& progress,
                                      std::vector<EmployeeBooks>* posted) {
    std::vector<RunProblem> problems = checkHoursSheet(request, rows);
    std::set<int> unnamed;  // rows naming no employee the run could open
    for (const RunProblem& p : problems) {
        if (p.field == "employee") unnamed.insert(p.line);
    }
    std::size_t done = 0;
    for (const HoursRow& row : rows) {
        if (unnamed.count(row.line) == 0) checkEmployee(request, row, problems, posted);
        tellProgress(progress, PayRunStage::Checking, ++done, rows.size());
    }
    std::stable_sort(problems.begin(), problems.end(),
                     [](const RunProblem& a, const RunProblem& b) { return a.line < b.line; });
    return problems;
}

}  // namespace

std::vector<RunProblem> checkPayRun(const PayRunRequest& request, const std::vector<HoursRow>& rows,
                                    const PayRunProgress& progress) {
    return checkEveryRow(request, rows, progress, nullptr);
}

PayRunPreview previewPayRun(const PayRunRequest& request, const std::vector<HoursRow>& rows,
                            DepositSchedule schedule, const PayRunProgress& progress) {
    PayRunPreview preview;
    std::vector<EmployeeBooks> posted;
    preview.problems = checkEveryRow(request, rows, progress, &posted);
    preview.reg = buildRegister(posted, registerPeriod(RegisterSpan::Week, request.week), schedule);
    return preview;
}

std::vector<RunProblem> holdPayRunEmployees(PayRunRequest& request,
                                            const std::vector<HoursRow>& rows) {
    std::vector<RunProblem> problems;
    for (const HoursRow& row : rows) {
        // A name that cannot name files is refused by the check; it gets no lock file.
        if (request.holds.count(row.employee) != 0 || row.employee.empty() ||
            employeeNameProblem(row.employee)) {
            continue;
        }
        EmployeeHold hold = holdEmployee(request.folder, row.employee, {});
        if (hold.readOnly()) {
            problems.push_back({row.line, row.employee, "in use", hold.inUse});
        } else if (hold.locks.empty()) {
            // Unheld, another program could open her half way through the run.
            problems.push_back({row.line, row.employee, "in use",
                                "her lock file " + row.employee + kLockExtension +
                                    " cannot be made in the folder"});
        } else {
            request.holds.emplace(row.employee, std::move(hold));
        }
    }
    return problems;
}

PayRunOutcome runPayPeriod(const PayRunRequest& given, const std::vector<HoursRow>& rows,
                           const PayRunPrinters& printers, const PayRunProgress& progress) {
    PayRunOutcome outcome;
    PayRunRequest request = given;
    // The whole run is refused, before anything is written, while one of them is in use.
    const auto inUse = holdPayRunEmployees(request, rows);
    if (!inUse.empty()) {
        outcome.failedEmployee = inUse.front().employee;
        for (const RunProblem& p : inUse) {
            outcome.failure += (outcome.failure.empty() ? "" : " ") + p.reason;
        }
        return outcome;
    }
    PayrollContext ctx;
    prepareStaging(request.folder);
    for (const HoursRow& row : rows) {
        try {
            runRow(ctx, request, row, printers);
            tellProgress(progress, PayRunStage::Paying, outcome.done.size() + 1, rows.size());
        } catch (const PayRunCancelled&) {
            // Only staged files were written: the folder is as it was.
            removeStaging(request.folder);
            outcome.done.clear();
            outcome.cancelled = true;
            return outcome;
        } catch (const std::exception& e) {
            outcome.failedEmployee = row.employee;
            outcome.failure = e.what();
            break;
        }
        outcome.done.push_back(row.employee);
    }
    try {
        commitEmployees(request.folder, outcome.done);
    } catch (const std::exception& e) {
        // The journal stays: the next run or backup finishes the move.
        outcome.failedEmployee =
            outcome.failedEmployee.empty() ? "(saving)" : outcome.failedEmployee;
        outcome.failure = e.what();
    }
    // A commit stopped part way needs its staged files to be finished.
    if (!std::filesystem::exists(request.folder / kRunJournal)) removeStaging(request.folder);
    return outcome;
}

}  // namespace corvanta
