#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/core/money.h"
#include "records/core/employee_profile.h"

namespace corvanta {

// What an employee is spared or paid outside of: each mark is one the calculation honours.
struct ExemptMarks {
    bool socSecMedicare = false;  // no Social Security or Medicare withheld
    bool federal = false;         // no federal income tax withheld
    bool state = false;           // no state income tax (the state settings' "No State Tax")
    bool selfEmployed = false;    // both shares of Social Security and Medicare are hers

    [[nodiscard]] bool any() const { return socSecMedicare || federal || state || selfEmployed; }
    friend bool operator==(const ExemptMarks&, const ExemptMarks&) = default;
};

// One employee of the folder as the employee list shows her. An employee whose files cannot
// be read keeps her file name and the reason; the other fields are then empty.
struct RosterEntry {
    std::string fileName;  // the file base name: "Smith" for "Smith.use"
    std::string name;      // the employee's name
    PayFrequency frequency = PayFrequency::Weekly;
    std::string stateMethod;  // the built-in method(s) checked, or kStateTableMethod
    ExemptMarks exempt;
    std::optional<std::string> lastPostedWeek;  // nothing when no period is posted
    Currency ytdGross;
    std::string problem;  // why her files cannot be read; empty when they were read

    [[nodiscard]] bool readable() const { return problem.empty(); }
};

// The state method column of an employee who uses her own bracket table.
inline constexpr const char* kStateTableMethod = "Table";

// Every employee of the folder (every "NAME.use"), in file name order, each read through the
// one employee loader. An employee whose files cannot be read is listed with the reason and
// does not keep the others from being listed. Nothing is written. Throws UserError naming the
// folder when the folder itself cannot be read.
std::vector<RosterEntry> employeeRoster(const std::filesystem::path& folder);

// "Weekly", "Bi-weekly".
std::string frequencyText(PayFrequency frequency);

// "Soc. Sec./Medicare, Federal" for the marks set; empty when none is.
std::string exemptText(const ExemptMarks& marks);

}  // namespace corvanta
