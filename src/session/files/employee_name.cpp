#include "session/files/employee_name.h"

#include <string_view>

#include "session/files/period_snapshot.h"
#include "session/files/session.h"

namespace corvanta {
namespace {

// The longest file name the folders' file systems take, and what the temporary file of an
// atomic write adds to its target's name (".NAME.tmpXXXXXX").
constexpr std::size_t kLongestFileName = 255;
constexpr std::size_t kTemporaryNameExtra = 11;

}  // namespace

std::size_t longestEmployeeName() {
    const std::size_t longestDate = std::string_view("12/31/2008").size();
    const std::size_t around = periodSnapshotName(std::string(longestDate, '0'), "").size();
    return kLongestFileName - kTemporaryNameExtra - around;
}

std::optional<std::string> newEmployeeNameProblem(const std::string& name) {
    if (auto problem = employeeNameProblem(name)) return problem;
    if (!name.empty() && name.front() == '.') {
        return "The name \"" + name +
               "\" cannot be used: a name starting with \".\" would be hidden from the open "
               "dialog.";
    }
    if (name.size() > longestEmployeeName()) {
        return "The name \"" + name.substr(0, 20) + "...\" is too long: a name may have " +
               std::to_string(longestEmployeeName()) + " characters at most (" +
               std::to_string(name.size()) +
               " typed), or the files of the employee cannot be made.";
    }
    return std::nullopt;
}

}  // namespace corvanta
