#include "records/print/payee_name.h"

namespace corvanta {

bool employeeNameMissing(const EmployeeProfile& profile) {
    const std::string& name = profile.EmployeeName;
    const auto first = name.find_first_not_of(" \t");
    if (first == std::string::npos) return true;
    const auto last = name.find_last_not_of(" \t");
    return name.substr(first, last - first + 1) == EmployeeProfile{}.EmployeeName;
}

}  // namespace corvanta
