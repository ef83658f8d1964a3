#pragma once

#include <string>

namespace corvanta {

// Check-box flags hold 0 or 1; option flags hold -1 (selected) or 0.
inline constexpr int kOptionSelected = -1;

// The current employee's settings.
struct EmployeeProfile {
    std::string EmployeeName = "Employee's Name";
    std::string EmployeeAddress = "Employee's Address for Check";
    std::string EmployeeCityStateZip = "City, State Zip Code";
    std::string EmployeeSsn = "Soc Sec #";
    float HourlyRate = 0;
    float HourlyRate2 = 0;
    float TipsRate = 0;
    std::string FedStatus = "Single";
    std::string FedExemptions = "0";
    std::string StateStatus = "Single";
    int StateExemptions = 0;
    float FedAddWithholding = 0;
    int FedExempt = 0;
    int SocSecMedExempt = 0;
    float PensionPercent = 0;
    float KPlanValue = 0;
    int KPlanIsPercent = 1;
    int KPlanIsFixed = 0;
    float CafeteriaAmount = 0;
    int CafeteriaReducesState = 0;
    int SelfEmployed = 0;
    int NonCityResident = 0;
    int PayWeekly = kOptionSelected;
    int PayBiWeekly = 0;
    float CreditDeduction = 0;
    float BondDeduction = 0;
    float DuesDeduction = 0;
    float MiscDeduction = 0;
    std::string CreditLabel = "CrUnion";
    std::string BondLabel = "Bond";
    std::string DuesLabel = "Dues";
    std::string PensionLabel = "Pension";
    std::string MiscLabel = "Misc.";

    [[nodiscard]] bool isBiWeekly() const { return PayBiWeekly != 0; }
    [[nodiscard]] bool isWeekly() const { return PayWeekly != 0; }
};

// What the employee dialog does to a profile when it loads: fills empty texts, picks weekly
// when no frequency is set and percent when no K plan kind is set.
void normaliseProfile(EmployeeProfile& profile);

}  // namespace corvanta
