#pragma once

#include <array>
#include <string>

#include "core/money.h"

namespace corvanta {

inline constexpr int kLedgerRows = 52;

struct LedgerRow {
    std::string WeekLabel;
    float Federal = 0;
    float SocSec = 0;
    float Medicare = 0;
    float State = 0;
    float City = 0;
    float Credit = 0;
    float Bond = 0;
    float Dues = 0;
    float Pension = 0;
    float Misc = 0;
    float KPlan = 0;
    float Overtime = 0;
    float Tips = 0;
    float Gross = 0;
    float Net = 0;
    float Sdi = 0;
    float Sui = 0;
    float Cafeteria = 0;
};

struct YtdTotals {
    float YtdFederal = 0;
    float YtdSocSec = 0;
    float YtdMedicare = 0;
    float YtdState = 0;
    float YtdCity = 0;
    float YtdCredit = 0;
    float YtdBond = 0;
    float YtdDues = 0;
    float YtdPension = 0;
    float YtdMisc = 0;
    float YtdKPlan = 0;
    Currency YtdOvertime;
    Currency YtdTips;
    Currency YtdGross;
    Currency YtdNet;
    float YtdSdi = 0;
    float YtdSui = 0;
    float YtdCafeteria = 0;
};

// The current employee's year-to-date ledger.
struct YtdLedger {
    std::array<LedgerRow, kLedgerRows> rows{};
    YtdTotals totals;
};

}  // namespace corvanta
