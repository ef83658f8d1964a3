#include "session/payroll/employee_roster.h"

#include <chrono>

#include "base/core/user_error.h"
#include "records/core/employee_record.h"
#include "session/company/company_checks.h"
#include "session/files/employee_files.h"
#include "session/files/employee_loader.h"
#include "session/payroll/payroll_folder.h"
#include "session/state/state_methods.h"
#include "tax/state/pay_date.h"

namespace corvanta {
namespace {

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// An empty ledger row shows "0" for its week; a row is posted once it has a week or pay.
bool isPosted(const LedgerRow& r) {
    const std::string week = trimmed(r.WeekLabel);
    return (!week.empty() && week != "0") || r.Gross != 0 || r.Net != 0;
}

std::string stateMethodOf(const StateSettings& state) {
    // Every checked method is named: the calculation runs each, and two checked is a
    // mistake the clerk should see.
    std::string names;
    for (const StateMethodId id : kComputeOrder) {
        if (methodFlag(state, id) == 0) continue;
        names += (names.empty() ? "" : ", ") + homeStateName(id);
    }
    return names.empty() ? kStateTableMethod : names;
}

ExemptMarks exemptMarksOf(const EmployeeProfile& p, const StateSettings& state) {
    return ExemptMarks{.socSecMedicare = p.SocSecMedExempt != 0,
                       .federal = p.FedExempt != 0,
                       .state = state.NoStateTax != 0,
                       .selfEmployed = p.SelfEmployed == 1};
}

// The latest dated week posted; without dated weeks, the last row posted. Rows may be posted
// out of order (a correction, a row typed by hand), so the row's place decides only then.
std::optional<std::string> lastPostedWeekOf(const YtdLedger& ledger, int rows) {
    std::optional<std::string> lastUndated;
    std::optional<std::pair<std::chrono::year_month_day, std::string>> latest;
    for (int i = 0; i < rows; ++i) {
        const LedgerRow& r = ledger.rows[i];
        if (!isPosted(r)) continue;
        const std::string week = trimmed(r.WeekLabel);
        if (const auto date = readPayDate(week)) {
            if (!latest || latest->first <= *date) latest.emplace(*date, week);
        } else {
            lastUndated = week;
        }
    }
    if (latest) return latest->second;
    return lastUndated;
}

Currency ytdGrossOf(const YtdLedger& ledger, int rows) {
    Currency sum;
    for (int i = 0; i < rows; ++i) {
        if (isPosted(ledger.rows[i])) sum = sum + Currency::fromShownSingle(ledger.rows[i].Gross);
    }
    return sum;
}

RosterEntry readEntry(const std::filesystem::path& folder, const std::string& fileName) {
    RosterEntry entry;
    entry.fileName = fileName;
    try {
        const EmployeeRecord record =
            loadEmployeeRecord(folder, fileName, [](const UserMessage&) {});
        const EmployeeProfile& p = record.profile;
        const int rows = rowsInUse(p);
        entry.name = p.EmployeeName;
        entry.frequency = p.isBiWeekly() ? PayFrequency::BiWeekly : PayFrequency::Weekly;
        entry.stateMethod = stateMethodOf(record.state);
        entry.exempt = exemptMarksOf(p, record.state);
        entry.lastPostedWeek = lastPostedWeekOf(record.ledger, rows);
        entry.ytdGross = ytdGrossOf(record.ledger, rows);
    } catch (const UserError& e) {
        entry = RosterEntry{.fileName = fileName, .problem = e.what()};
    } catch (const std::exception& e) {
        // Whatever went wrong with one employee, the others are still listed.
        entry = RosterEntry{
            .fileName = fileName,
            .problem = "The files of " + fileName + " cannot be read: " + std::string(e.what())};
    }
    if (entry.problem.empty() && entry.name.empty()) entry.name = fileName;
    return entry;
}

}  // namespace

std::vector<RosterEntry> employeeRoster(const std::filesystem::path& folder) {
    std::vector<RosterEntry> roster;
    const std::vector<std::string> names = folderEmployees(folder);
    roster.reserve(names.size());
    for (const std::string& name : names) roster.push_back(readEntry(folder, name));
    return roster;
}

std::string frequencyText(PayFrequency frequency) {
    return frequency == PayFrequency::BiWeekly ? "Bi-weekly" : "Weekly";
}

std::string exemptText(const ExemptMarks& marks) {
    std::string text;
    const auto add = [&text](bool set, const char* what) {
        if (set) text += (text.empty() ? "" : ", ") + std::string(what);
    };
    add(marks.socSecMedicare, "Soc. Sec./Medicare");
    add(marks.federal, "Federal");
    add(marks.state, "State");
    add(marks.selfEmployed, "Self-employed");
    return text;
}

}  // namespace corvanta
