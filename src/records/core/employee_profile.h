#pragma once

#include <string>

#include "base/files/record_format.h"
#include "tax/core/filing_status.h"

namespace corvanta {

// What the K plan amount means.
enum class KPlanKind { PercentOfGross, FixedAmount };

// How often the employee is paid. The ".use" keeps it as two flags: a file may hold neither
// (read so until the next save writes weekly) or both (both sets of tables apply, as such a
// file has always been calculated).
enum class PayFrequency { Weekly, BiWeekly, Neither, Both };

// The frequency two flags of the ".use" name: any value but 0 sets a flag.
PayFrequency payFrequencyOfFlags(int weekly, int biWeekly);

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
    PayFrequency frequency = PayFrequency::Weekly;
    float CreditDeduction = 0;
    float BondDeduction = 0;
    float DuesDeduction = 0;
    float MiscDeduction = 0;
    std::string CreditLabel = "CrUnion";
    std::string BondLabel = "Bond";
    std::string DuesLabel = "Dues";
    std::string PensionLabel = "Pension";
    std::string MiscLabel = "Misc.";

    // The weekly and bi-weekly flags: both are set for a file that holds both.
    [[nodiscard]] bool isBiWeekly() const {
        return frequency == PayFrequency::BiWeekly || frequency == PayFrequency::Both;
    }
    [[nodiscard]] bool isWeekly() const {
        return frequency == PayFrequency::Weekly || frequency == PayFrequency::Both;
    }
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
