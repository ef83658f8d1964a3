#pragma once

#include <optional>
#include <string>

#include "records/core/employee_profile.h"

namespace corvanta {

// A name as the filings split it.
struct PersonName {
    std::string first, middle, last, suffix;
};

// "Mary Ann Smith Jr." as first "Mary", middle "Ann", last "Smith", suffix "JR"; a single
// word is the last name alone.
PersonName splitPersonName(const std::string& name);

// A city line as the filings split it.
struct CityLine {
    std::string city, state, zip, zipExtension;
};

// "Albany, NY 12207" or "Albany, NY 12207-1234" (the comma may be left out); nothing when the
// line is not of that form.
std::optional<CityLine> splitCityLine(const std::string& text);

// The digits of a text, without the dashes and blanks typed between them.
std::string digitsOf(const std::string& text);

// Nine digits that can be a Social Security number: not area 000, 666 or 900 to 999, nor
// group 00 or serial 0000.
bool isSocialSecurityNumber(const std::string& digits);

// "123-45-6789" for nine digits; the text as typed otherwise.
std::string shownSsn(const std::string& text);

// The employee's name, address and number as her profile holds them, with the employee
// dialog's placeholders ("Soc Sec #" ...) taken as nothing typed.
struct FormPerson {
    std::string name, street, cityLine, ssn;
};
FormPerson formPerson(const EmployeeProfile& profile);

}  // namespace corvanta
