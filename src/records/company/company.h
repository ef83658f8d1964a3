#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "tax/state/state_dialog_model.h"

namespace corvanta {

inline constexpr const char* kCompanyFile = "Company.sav";

// How the employer deposits federal taxes in 2008.
enum class DepositSchedule { Monthly, SemiWeekly };

// The local tax new employees start with.
enum class CompanyLocalTax { None, NewYorkCity, CityTable };

// Check numbers run from 1 to eight digits.
inline constexpr std::int64_t kLargestCheckNumber = 99999999;

// Who the year-end filings name as the person to ask.
struct CompanyContact {
    std::string name;
    std::string phone;
    std::string email;
};

// The employer: its address and numbers for the heading, the stub and the year-end filings,
// and the choices new employees start from. Kept in "Company.sav" in the folder.
struct Company {
    std::string name;
    std::string street;
    std::string city;
    std::string stateCode;  // two letters: one of the 50 states or DC
    std::string zip;        // 5 or 9 digits, as typed (a dash allowed after the fifth)
    std::string ein;        // NN-NNNNNNN
    std::string stateEmployerId;
    // The home state's built-in method; empty: the bracket table.
    std::optional<StateMethodId> homeStateMethod;
    CompanyLocalTax localTax = CompanyLocalTax::None;
    DepositSchedule deposits = DepositSchedule::Monthly;
    CompanyContact contact;
    // The number the next check takes, unless the check register has gone past it.
    std::int64_t nextCheckNumber = 1001;

    [[nodiscard]] std::string cityStateZip() const {
        if (city.empty() && stateCode.empty() && zip.empty()) return {};
        return city + ", " + stateCode + " " + zip;
    }
};

}  // namespace corvanta
