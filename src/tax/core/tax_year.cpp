#include "tax/core/tax_year.h"

#include "tax/state/pay_date.h"

namespace corvanta {

PayDateYear payDateYear(std::string_view weekText) {
    const auto date = readPayDate(weekText);
    if (!date) return PayDateYear::NotADate;
    return static_cast<int>(date->year()) == kTablesYear ? PayDateYear::InTablesYear
                                                         : PayDateYear::OtherYear;
}

std::string taxYearNotice(std::string_view weekText) {
    const std::string year = std::to_string(kTablesYear);
    // A period outside the year is taxed by tables that are not its own, and the year's
    // register and forms leave it out.
    switch (payDateYear(weekText)) {
        case PayDateYear::InTablesYear:
            return "";
        case PayDateYear::OtherYear:
            return std::string(weekText) + " is not in " + year + ", the tax tables' year; the " +
                   year + " register and forms leave it out.";
        case PayDateYear::NotADate:
            break;
    }
    return "\"" + std::string(weekText) + "\" is not a date (M/D/" + year + "); the " + year +
           " register and forms leave it out.";
}

std::string taxYearShortNotice(std::string_view weekText) {
    switch (payDateYear(weekText)) {
        case PayDateYear::InTablesYear:
            return "";
        case PayDateYear::OtherYear:
            return "Pay date not in " + std::to_string(kTablesYear);
        case PayDateYear::NotADate:
            break;
    }
    return "Pay date: not a date";
}

}  // namespace corvanta
