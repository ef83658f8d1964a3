#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "records/core/calculator_window.h"
#include "session/core/payroll_context.h"
#include "session/files/employee_hold.h"
#include "session/payroll/register_figures.h"

namespace corvanta {

// One row of the hours sheet: the employee and the eight entry boxes as typed.
struct HoursRow {
    int line = 0;  // in the sheet, the heading being line 1
    std::string employee;
    std::array<std::string, kEntryBoxes> boxes{};
    std::string twoX;            // "", "0" or "1"
    std::size_t extraCells = 0;  // cells beyond the heading's columns
};

// The sheet's column names of the entry boxes, in the boxes' order.
inline constexpr std::array<const char*, kEntryBoxes> kHoursColumns{
    "straight", "straight2", "ot", "ot15", "holiday", "vacation", "dollars", "tips"};

// A row the run refuses, and why.
struct RunProblem {
    int line = 0;
    std::string employee;
    std::string field;
    std::string reason;
};

struct PayRunRequest {
    std::filesystem::path folder;
    std::string week;
    std::optional<int> postRow;  // 1-based; nothing for the employee's next empty row
    std::string today;
    // The employees' locks, held from the check to the end of the run; the run takes those
    // not given.
    std::map<std::string, EmployeeHold> holds;
};

// Takes the lock of every employee of the sheet into the request; the rows of those another
// program holds, naming the holder. Nothing is written.
std::vector<RunProblem> holdPayRunEmployees(PayRunRequest& request,
                                            const std::vector<HoursRow>& rows);

// Checks the sheet's rows by themselves, before any lock is taken or file read: each names
// an employee of the folder (her ".use" exists) once, and has no cells beyond the heading.
std::vector<RunProblem> checkHoursSheet(const PayRunRequest& request,
                                        const std::vector<HoursRow>& rows);

enum class PayRunStage { Checking, Paying };

// Told after each employee of a check or a run: the stage, the employees done and their
// number. Returns false to stop while nothing is written.
using PayRunProgress = std::function<bool(PayRunStage, std::size_t done, std::size_t total)>;

// The check or the run stopped on request: nothing of the folder was changed.
class PayRunCancelled : public std::exception {
  public:
    [[nodiscard]] const char* what() const noexcept override {
        return "The pay run was cancelled; no employee was paid.";
    }
};

// Checks every row as the run would take it, writing nothing (checkHoursSheet first): the employee
// exists and her files can be read, each entry is one the entry boxes take, no employee is listed
// twice, and the ledger row to post into is free.
// Stops a long check or run between two employees when it returns false.
std::vector<RunProblem> checkPayRun(const PayRunRequest& request, const std::vector<HoursRow>& rows,
                                    const PayRunProgress& progress = {});

// The week as the run would post it, written nowhere: the rows to mend, and the register of
// the employees whose rows can be paid (their figures, the totals, the employer's share).
struct PayRunPreview {
    std::vector<RunProblem> problems;
    PayrollRegister reg;
};

// Calculates and posts every row in memory, as the run will, from the folder as it is.
PayRunPreview previewPayRun(const PayRunRequest& request, const std::vector<HoursRow>& rows,
                            DepositSchedule schedule, const PayRunProgress& progress = {});

// What is printed for each employee, while her files are those of the new period.
struct PayRunPrinters {
    std::function<void(PayrollContext&)> stub;
    std::function<void(PayrollContext&)> check;
};

struct PayRunOutcome {
    std::vector<std::string> done;  // employees whose period is written, in order
    std::string failedEmployee;     // empty when every row ran
    std::string failure;
    bool cancelled = false;  // stopped on request before any file of the folder was replaced
};

// Runs the rows in order in one session, as a clerk would: open, type the entries, Calculate
// with its closing save, post, print. The files are written aside and, once the rows ran
// (or one failed), those of the employees done replace the old ones together, so each
// employee is wholly before or wholly after her period. Stops at the first failure. Asked to
// stop through `progress`, it replaces nothing.
PayRunOutcome runPayPeriod(const PayRunRequest& request, const std::vector<HoursRow>& rows,
                           const PayRunPrinters& printers, const PayRunProgress& progress = {});

}  // namespace corvanta
