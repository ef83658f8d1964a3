#include "records/core/employee_profile.h"

namespace corvanta {
namespace {

void defaultIfEmpty(std::string& field, const char* placeholder) {
    if (field.empty()) field = placeholder;
}

}  // namespace

void normaliseProfile(EmployeeProfile& p) {
    const EmployeeProfile fresh;
    defaultIfEmpty(p.FedExemptions, "0");
    defaultIfEmpty(p.FedStatus, "Single");
    if (p.StateStatus.empty() || p.StateStatus == "0") p.StateStatus = "Single";
    defaultIfEmpty(p.EmployeeName, fresh.EmployeeName.c_str());
    defaultIfEmpty(p.EmployeeAddress, fresh.EmployeeAddress.c_str());
    defaultIfEmpty(p.EmployeeCityStateZip, fresh.EmployeeCityStateZip.c_str());
    defaultIfEmpty(p.EmployeeSsn, fresh.EmployeeSsn.c_str());
    if (p.PayWeekly == 0 && p.PayBiWeekly == 0) p.PayWeekly = kOptionSelected;
    if (p.KPlanIsPercent == 1) {
        p.KPlanIsFixed = 0;
    } else if (p.KPlanIsFixed == 1) {
        p.KPlanIsPercent = 0;
    } else if (p.KPlanIsPercent == 0 && p.KPlanIsFixed == 0) {
        p.KPlanIsPercent = 1;
    }
    defaultIfEmpty(p.CreditLabel, fresh.CreditLabel.c_str());
    defaultIfEmpty(p.BondLabel, fresh.BondLabel.c_str());
    defaultIfEmpty(p.DuesLabel, fresh.DuesLabel.c_str());
    defaultIfEmpty(p.PensionLabel, fresh.PensionLabel.c_str());
    defaultIfEmpty(p.MiscLabel, fresh.MiscLabel.c_str());
}

}  // namespace corvanta
