#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/core/user_error.h"
#include "records/company/company.h"

namespace corvanta {

// A company field the program cannot take; the message names the field as the dialog and the
// command line label it, so the operator knows which box to mend.
class CompanyFieldError : public UserError {
  public:
    CompanyFieldError(std::string field, const std::string& message)
        : UserError(message), field_(std::move(field)) {}
    [[nodiscard]] const std::string& field() const { return field_; }

  private:
    std::string field_;
};

// The field names the messages use.
inline constexpr const char* kCompanyNameField = "Company name";
inline constexpr const char* kStreetField = "Street";
inline constexpr const char* kCityField = "City";
inline constexpr const char* kStateField = "State";
inline constexpr const char* kZipField = "ZIP code";
inline constexpr const char* kEinField = "EIN";
inline constexpr const char* kStateIdField = "State employer number";
inline constexpr const char* kContactNameField = "Contact name";
inline constexpr const char* kContactPhoneField = "Contact phone";
inline constexpr const char* kContactEmailField = "Contact e-mail";
inline constexpr const char* kNextCheckField = "Next check number";

// The next check number as typed: a whole number from 1 to kLargestCheckNumber, or
// CompanyFieldError naming the field.
std::int64_t checkedCheckNumber(std::string_view text);

// Each check returns the field as stored (trimmed; a state in capitals, an EIN as
// NN-NNNNNNN) or throws CompanyFieldError.
std::string checkedStateCode(std::string_view text);
std::string checkedZip(std::string_view text);
std::string checkedEin(std::string_view text);

// The whole record as it may be saved: every heading field given and each one valid.
Company checkedCompany(const Company& company);

// "Iowa" for the method, "table" for the bracket table; and back, any case. The name of a
// method that is not built in throws CompanyFieldError naming the home state.
std::string homeStateName(const std::optional<StateMethodId>& method);
std::optional<StateMethodId> parseHomeState(std::string_view text);

// "none", "nyc", "table"; and back.
std::string localTaxName(CompanyLocalTax tax);
CompanyLocalTax parseLocalTax(std::string_view text);

// "monthly", "semiweekly"; and back.
std::string depositsName(DepositSchedule schedule);
DepositSchedule parseDeposits(std::string_view text);

}  // namespace corvanta
