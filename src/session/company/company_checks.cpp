#include "session/company/company_checks.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "base/files/record_format.h"

namespace corvanta {
namespace {

// The 50 states and the District of Columbia: the places a 2008 employer files state taxes.
constexpr std::array<std::string_view, 51> kStateCodes{
    "AL", "AK", "AZ", "AR", "CA", "CO", "CT", "DE", "DC", "FL", "GA", "HI", "ID",
    "IL", "IN", "IA", "KS", "KY", "LA", "ME", "MD", "MA", "MI", "MN", "MS", "MO",
    "MT", "NE", "NV", "NH", "NJ", "NM", "NY", "NC", "ND", "OH", "OK", "OR", "PA",
    "RI", "SC", "SD", "TN", "TX", "UT", "VT", "VA", "WA", "WV", "WI", "WY"};

struct MethodName {
    StateMethodId id;
    std::string_view name;
};
constexpr std::array<MethodName, kStateMethodCount> kMethodNames{{
    {StateMethodId::Arizona, "Arizona"},
    {StateMethodId::Louisiana, "Louisiana"},
    {StateMethodId::Iowa, "Iowa"},
    {StateMethodId::Missouri, "Missouri"},
    {StateMethodId::Mass, "Massachusetts"},
    {StateMethodId::Oregon, "Oregon"},
    {StateMethodId::Utah, "Utah"},
    {StateMethodId::Alabama, "Alabama"},
    {StateMethodId::Kentucky, "Kentucky"},
    {StateMethodId::Wisconsin, "Wisconsin"},
    {StateMethodId::NC, "North Carolina"},
}};

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return "";
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string checkNumberRange() {
    return "a whole number from 1 to " + std::to_string(kLargestCheckNumber);
}

bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(),
                                        [](unsigned char c) { return std::isdigit(c) != 0; });
}

std::string required(std::string_view text, const char* field) {
    std::string value = trimmed(text);
    if (value.empty()) throw CompanyFieldError(field, std::string(field) + " is not given.");
    return value;
}

// The company's texts are kept single-byte: a character beyond that is refused by its field.
void requireStorable(const std::string& text, const char* field) {
    if (const auto character = unstorableCharacter(text)) {
        throw CompanyFieldError(field, std::string(field) + " holds the character \"" + *character +
                                           "\", which the folder's files cannot hold (they keep "
                                           "Western European letters only). Type it without "
                                           "that character.");
    }
}

}  // namespace

std::string checkedStateCode(std::string_view text) {
    std::string code = trimmed(text);
    std::transform(code.begin(), code.end(), code.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (std::find(kStateCodes.begin(), kStateCodes.end(), code) == kStateCodes.end()) {
        throw CompanyFieldError(kStateField, std::string(kStateField) + " " +
                                                 quoted(trimmed(text)) +
                                                 " is not one of the 50 states or DC; give its "
                                                 "two letters, such as IA.");
    }
    return code;
}

std::string checkedZip(std::string_view text) {
    std::string zip = trimmed(text);
    const bool five = zip.size() == 5 && allDigits(zip);
    const bool nine = zip.size() == 9 && allDigits(zip);
    const bool dashed = zip.size() == 10 && zip[5] == '-' && allDigits(zip.substr(0, 5)) &&
                        allDigits(zip.substr(6));
    if (!five && !nine && !dashed) {
        throw CompanyFieldError(kZipField, std::string(kZipField) + " " + quoted(zip) +
                                               " is not 5 or 9 digits (50309 or 50309-1234).");
    }
    return zip;
}

std::string checkedEin(std::string_view text) {
    const std::string ein = trimmed(text);
    std::string digits = ein;
    if (digits.size() == 10 && digits[2] == '-') digits.erase(2, 1);
    if (digits.size() != 9 || !allDigits(digits)) {
        throw CompanyFieldError(kEinField, std::string(kEinField) + " " + quoted(ein) +
                                               " is not 9 digits (12-3456789).");
    }
    return digits.substr(0, 2) + "-" + digits.substr(2);
}

Company checkedCompany(const Company& company) {
    Company c = company;
    for (const auto& [text, field] : {std::pair{&c.name, kCompanyNameField},
                                      {&c.street, kStreetField},
                                      {&c.city, kCityField},
                                      {&c.stateEmployerId, kStateIdField},
                                      {&c.contact.name, kContactNameField},
                                      {&c.contact.phone, kContactPhoneField},
                                      {&c.contact.email, kContactEmailField}}) {
        requireStorable(*text, field);
    }
    c.name = required(c.name, kCompanyNameField);
    c.street = required(c.street, kStreetField);
    c.city = required(c.city, kCityField);
    c.stateCode = checkedStateCode(c.stateCode);
    c.zip = checkedZip(c.zip);
    c.ein = checkedEin(c.ein);
    c.stateEmployerId = trimmed(c.stateEmployerId);
    c.contact.name = trimmed(c.contact.name);
    c.contact.phone = trimmed(c.contact.phone);
    c.contact.email = trimmed(c.contact.email);
    const auto at = c.contact.email.find('@');
    if (!c.contact.email.empty() &&
        (at == std::string::npos || at == 0 || at + 1 == c.contact.email.size() ||
         c.contact.email.find_first_of(" ,") != std::string::npos)) {
        throw CompanyFieldError(kContactEmailField, std::string(kContactEmailField) + " " +
                                                        quoted(c.contact.email) +
                                                        " is not an address such as "
                                                        "payroll@example.com.");
    }
    if (c.nextCheckNumber < 1 || c.nextCheckNumber > kLargestCheckNumber) {
        throw CompanyFieldError(kNextCheckField, std::string(kNextCheckField) + " " +
                                                     std::to_string(c.nextCheckNumber) +
                                                     " is not " + checkNumberRange() + ".");
    }
    return c;
}

std::int64_t checkedCheckNumber(std::string_view text) {
    const std::string typed = trimmed(std::string(text));
    const bool digits = !typed.empty() && typed.size() <= 8 &&
                        typed.find_first_not_of("0123456789") == std::string::npos;
    if (!digits || std::stoll(typed) < 1) {
        throw CompanyFieldError(kNextCheckField, std::string(kNextCheckField) + " " +
                                                     quoted(typed) + " is not " +
                                                     checkNumberRange() + ".");
    }
    return std::stoll(typed);
}

std::string homeStateName(const std::optional<StateMethodId>& method) {
    if (!method) return "table";
    for (const MethodName& m : kMethodNames) {
        if (m.id == *method) return std::string(m.name);
    }
    return "table";
}

std::optional<StateMethodId> parseHomeState(std::string_view text) {
    const std::string wanted = lower(trimmed(text));
    if (wanted == "table") return std::nullopt;
    for (const MethodName& m : kMethodNames) {
        if (lower(std::string(m.name)) == wanted) return m.id;
    }
    std::string names;
    for (const MethodName& m : kMethodNames) names += std::string(m.name) + ", ";
    throw CompanyFieldError("Home state", "Home state " + quoted(trimmed(text)) +
                                              " has no built-in method; give one of " + names +
                                              "or table.");
}

std::string localTaxName(CompanyLocalTax tax) {
    switch (tax) {
        case CompanyLocalTax::NewYorkCity:
            return "nyc";
        case CompanyLocalTax::CityTable:
            return "table";
        case CompanyLocalTax::None:
            break;
    }
    return "none";
}

CompanyLocalTax parseLocalTax(std::string_view text) {
    const std::string wanted = lower(trimmed(text));
    if (wanted == "none") return CompanyLocalTax::None;
    if (wanted == "nyc") return CompanyLocalTax::NewYorkCity;
    if (wanted == "table") return CompanyLocalTax::CityTable;
    throw CompanyFieldError("Local tax",
                            "Local tax " + quoted(trimmed(text)) + " is not none, nyc or table.");
}

std::string depositsName(DepositSchedule schedule) {
    return schedule == DepositSchedule::SemiWeekly ? "semiweekly" : "monthly";
}

DepositSchedule parseDeposits(std::string_view text) {
    const std::string wanted = lower(trimmed(text));
    if (wanted == "monthly") return DepositSchedule::Monthly;
    if (wanted == "semiweekly" || wanted == "semi-weekly") return DepositSchedule::SemiWeekly;
    throw CompanyFieldError("Deposits",
                            "Deposits " + quoted(trimmed(text)) + " is not monthly or semiweekly.");
}

}  // namespace corvanta
