#pragma once

#include <array>
#include <chrono>
#include <optional>

#include "base/core/money.h"
#include "records/core/calculator_window.h"

namespace corvanta {

// What was entered for one pay period, as values: the eight entry boxes (0 for an empty
// one), the overtime multiplier and the pay period date.
struct PeriodEntries {
    std::array<double, kEntryBoxes> boxes{};
    bool overtimeAtDouble = false;  // "(2X)"
    std::optional<std::chrono::year_month_day> payDate;
};

// The current pay period's entries, read from the eight entry boxes.
struct PeriodEntry {
    float StrHrs = 0;
    float StrHrs2 = 0;
    float OtVar = 0;
    float OtHrs = 0;
    float Avas = 0;
    float VacDys = 0;
    Currency Addit;
    float TipsHrs = 0;
    float PayRate = 0;
};

// What the last calculation produced. The loosely typed sums are doubles: they hold
// amounts read back from their cent texts.
struct PayResult {
    float GrossPay = 0;
    float KPlanAmount = 0;
    float TaxableGross = 0;
    float PensionAmount = 0;
    float CafeteriaThisPeriod = 0;
    float FedAllowance = 0;
    float FedTaxableWage = 0;
    float FedWithholding = 0;
    float SocSecTax = 0;
    float MedicareTax = 0;
    float StateAllowance = 0;
    float StateCafeteriaReduction = 0;
    double StateWithholding = 0;
    float StateWage = 0;
    float CityAllowance = 0;
    float CityTaxableWage = 0;
    double LocalTax = 0;
    float SdiTax = 0;
    float SuiTax = 0;
    Currency SdiYtdAfter;
    Currency SuiYtdAfter;
    float Reg1Pay = 0;
    float Reg2Pay = 0;
    float TotalOt = 0;
    float TotalTips = 0;
    double TaxDeduct = 0;
    double TotDeduct = 0;
    float NetPay = 0;
};

}  // namespace corvanta
