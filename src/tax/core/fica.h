#pragma once

#include "base/core/money.h"

namespace corvanta {

// The 2008 Social Security wage base (the 2007 figure, 97500, would stop withholding early).
inline constexpr double SsWageBase = 102000.0;
inline constexpr double kSocSecRate = 0.062;
inline constexpr double kMedicareRate = 0.0145;

// What Social Security and Medicare are figured on.
struct FicaWage {
    float grossPay = 0;
    float cafeteria = 0;  // this period's cafeteria plan, not taxed
    // The year's Social Security wages before this period: gross less the cafeteria plan,
    // which is what the wage base limits (the gross would stop the tax early).
    Currency ytdSocSecWages;
    bool selfEmployed = false;
};

// Social Security on gross less cafeteria, up to the wage base counting the year's Social
// Security wages; never negative; doubled for the self-employed.
float socialSecurityTax(const FicaWage& wage);

// Medicare on gross less cafeteria, no wage base; never negative; doubled for the
// self-employed.
float medicareTax(const FicaWage& wage);

// One of SDI or SUI: a rate up to an annual wage base counting the year's gross before the
// period, or (useBase 0) the "wage base" as a flat amount per period.
float insuranceTax(int useBase, float percent, float wageBase, Currency ytdGross, float gross);

}  // namespace corvanta
