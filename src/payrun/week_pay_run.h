#pragma once

#include <ctime>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "records/print/recorded_document.h"
#include "session/payroll/pay_run.h"

namespace corvanta {

// The entries of the employees the folder's last pay run paid, as an hours sheet: what "Copy
// Last Period" gives each of them. A convenience, not part of the employees' files.
inline constexpr const char* kLastPayRunSheet = "Last pay run.csv";

// The last pay run's entries by employee; none when no run was made. Throws UserError naming
// the sheet when it cannot be read.
std::map<std::string, HoursRow> lastPaidEntries(const std::filesystem::path& folder);

// What a pay run prints for each employee it pays.
struct PayRunPrintouts {
    bool stubs = false;
    bool checks = false;
    std::optional<std::string> checkDate;  // the date on the checks; the pay date if none
};

enum class PayRunEnding {
    Paid,       // every row paid
    Refused,    // a row to mend, or an employee in use: nothing was written
    Cancelled,  // stopped on request: no employee was paid
    Stopped,    // stopped at a failing employee; those before her are paid
};

// What a pay run did, and what the user is told of it.
struct WeekPayRun {
    PayRunEnding ending = PayRunEnding::Refused;
    std::vector<RunProblem> problems;  // the rows to mend when refused
    std::vector<std::string> notices;  // locks taken over, files kept aside, links not saved
    std::filesystem::path backup;      // the folder as it was before the run
    PayRunOutcome outcome;
    // The printouts of the employees paid, in the order of the rows.
    std::vector<RecordedDocument> stubs;
    std::vector<RecordedDocument> checks;
};

// The pay run of a week, the same from the command line and the window: the folder's
// recovery, the sheet checked by itself, every employee held, an earlier run finished, every
// row checked as the run will take it, a dated backup, then the run itself. Nothing is
// written while a row is to be mended. `progress` may stop it until the files are moved in.
WeekPayRun payWeek(PayRunRequest request, const std::vector<HoursRow>& rows,
                   const PayRunPrintouts& printouts, const PayRunProgress& progress,
                   std::time_t now);

// The lines of the refusal, one per row to mend.
std::vector<std::string> problemLines(const std::vector<RunProblem>& problems);

// The register of the week the run paid, as printed.
void printWeekRegister(const std::filesystem::path& folder, const std::string& week,
                       PrintColumnModel& out);

}  // namespace corvanta
