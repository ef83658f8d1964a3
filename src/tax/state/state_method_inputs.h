#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "tax/state/state_settings.h"

namespace corvanta {

// What a built-in state method reads of one calculation: the wages and taxes computed
// before the state step, the employee's statuses and pay frequency, the state record as the
// dialog last captured it, and the state figures as the calculation holds them so far.
struct StateMethodInputs {
    float GrossPay = 0;
    float TaxableGross = 0;
    float StateCafeteriaReduction = 0;
    float FedWithholding = 0;  // the bracket result, before the additional amount
    float SocSecTax = 0;
    float MedicareTax = 0;
    float YtdSocSec = 0;  // the ledger's year-to-date totals, read by Massachusetts
    float YtdMedicare = 0;
    FilingStatus FedStatus = FilingStatus::Single;
    FilingStatus StateStatus = FilingStatus::Single;
    int StateExemptions = 0;
    bool biWeekly = false;  // the "Bi-Weekly" option; with neither set no line is evaluated
    bool weekly = false;
    std::optional<std::chrono::year_month_day> payDate;  // none when the date box holds none
    StateSettings settings;
    // The calculation's state figures before this method.
    double StateWithholding = 0;
    float StateWage = 0;
    float StateAllowance = 0;

    [[nodiscard]] bool single() const { return StateStatus == FilingStatus::Single; }
};

// What a method hands back: the state figures after it ran.
struct StateFigures {
    double StateWithholding = 0;
    float StateWage = 0;
    float StateAllowance = 0;
    bool roundToWholeDollars = false;  // the state withholds whole dollars ("Round State")
};

// The figures as they stand before a method changes any of them.
inline StateFigures unchangedFigures(const StateMethodInputs& in) {
    return {in.StateWithholding, in.StateWage, in.StateAllowance, false};
}

}  // namespace corvanta
