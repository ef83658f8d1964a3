#pragma once

#include <string>

#include "base/files/record_format.h"
#include "tax/core/filing_status.h"

namespace corvanta {

// What the K plan amount means.
enum class KPlanKind { PercentOfGross, FixedAmount };

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
    FilingStatus FedStatus = FilingStatus::Single;
    std::string FedExemptions = "0";
    FilingStatus StateStatus = FilingStatus::Single;
    int StateExemptions = 0;
    float FedAddWithholding = 0;
    int FedExempt = 0;
    int SocSecMedExempt = 0;
    float PensionPercent = 0;
    float KPlanValue = 0;
    KPlanKind KPlan = KPlanKind::PercentOfGross;
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

// The federal status as the ".use" holds it: an empty text is Single. Any text but the two
// statuses is refused (RecordFormatError naming the file, line and text).
FilingStatus readFederalStatus(RecordReader& in);
// The state and city status as the ".sta" holds it: an empty text or "0" is Single.
FilingStatus readStateStatus(RecordReader& in);

// The K plan kind the ".and" file's two flags (percent, fixed) name: percent when its flag is 1
// or neither is set, else a fixed amount, as the calculation has always read them.
KPlanKind kPlanKindOfFlags(int isPercent, int isFixed);

// What the employee dialog does to a profile when it loads: fills empty texts and picks
// weekly when no frequency is set.
void normaliseProfile(EmployeeProfile& profile);

}  // namespace corvanta
