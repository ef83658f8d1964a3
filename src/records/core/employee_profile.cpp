#include "records/core/employee_profile.h"

namespace corvanta {
namespace {

void defaultIfEmpty(std::string& field, const char* placeholder) {
    if (field.empty()) field = placeholder;
}

bool federalStatusText(std::string_view text) {
    return text.empty() || filingStatusNamed(text).has_value();
}

bool stateStatusText(std::string_view text) { return text == "0" || federalStatusText(text); }

constexpr const char* kStatusExpected = "a filing status (Single or Married)";

}  // namespace

FilingStatus readFederalStatus(RecordReader& in) {
    return filingStatusNamed(in.readTextOf(kStatusExpected, federalStatusText))
        .value_or(FilingStatus::Single);
}

FilingStatus readStateStatus(RecordReader& in) {
    return filingStatusNamed(in.readTextOf(kStatusExpected, stateStatusText))
        .value_or(FilingStatus::Single);
}

KPlanKind kPlanKindOfFlags(int isPercent, int isFixed) {
    if (isPercent == 1 || (isPercent == 0 && isFixed == 0)) return KPlanKind::PercentOfGross;
    return KPlanKind::FixedAmount;
}

PayFrequency payFrequencyOfFlags(int weekly, int biWeekly) {
    if (weekly != 0 && biWeekly != 0) return PayFrequency::Both;
    if (weekly != 0) return PayFrequency::Weekly;
    return biWeekly != 0 ? PayFrequency::BiWeekly : PayFrequency::Neither;
}

void normaliseProfile(EmployeeProfile& p) {
    const EmployeeProfile fresh;
    defaultIfEmpty(p.FedExemptions, "0");
    defaultIfEmpty(p.EmployeeName, fresh.EmployeeName.c_str());
    defaultIfEmpty(p.EmployeeAddress, fresh.EmployeeAddress.c_str());
    defaultIfEmpty(p.EmployeeCityStateZip, fresh.EmployeeCityStateZip.c_str());
    defaultIfEmpty(p.EmployeeSsn, fresh.EmployeeSsn.c_str());
    if (p.frequency == PayFrequency::Neither) p.frequency = PayFrequency::Weekly;
    defaultIfEmpty(p.CreditLabel, fresh.CreditLabel.c_str());
    defaultIfEmpty(p.BondLabel, fresh.BondLabel.c_str());
    defaultIfEmpty(p.DuesLabel, fresh.DuesLabel.c_str());
    defaultIfEmpty(p.PensionLabel, fresh.PensionLabel.c_str());
    defaultIfEmpty(p.MiscLabel, fresh.MiscLabel.c_str());
}

}  // namespace corvanta
