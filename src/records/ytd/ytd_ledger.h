#pragma once

#include <array>
#include <string>

#include "base/core/money.h"

namespace corvanta {

inline constexpr int kLedgerRows = 52;
inline constexpr int kLedgerTaxCells = 11;  // Federal ... KPlan

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

// One line of the ledger grid as text. The cells are named for what they hold; the window's
// controls keep their names txtNet (the gross pay cell) and txtGross (the net pay cell),
// which the ledger window alone must keep.
struct LedgerGridRow {
    std::string txtDate;
    // txtFed, txtSS, txtMedi, txtState, txtCity, txtMuni, txtBond, txtDues, txtPen, txtMisc,
    // txtKplan: the eleven tax and deduction cells in the order of LedgerRow.
    std::array<std::string, kLedgerTaxCells> taxCells{};
    std::string txtOT;
    std::string txtTips;
    std::string grossText;  // the control txtNet
    std::string netText;    // the control txtGross
};

// The totals strip as text; totalGrossText is the control txtTotNet, totalNetText the control
// txtTotGross.
struct LedgerTotalsBoxes {
    std::array<std::string, kLedgerTaxCells> taxTotals{};  // txtTotFed ... txtTotKplan
    std::string txtTotOT, txtTotTips, totalGrossText, totalNetText;
    std::string txtTotSdi, txtTotSui, txtTotCafe;
};

// The current employee's year-to-date ledger: the rows, their totals, and the grid and
// totals strip that show them. Grid edits reach the rows only through Update.
struct YtdLedger {
    std::array<LedgerRow, kLedgerRows> rows{};
    YtdTotals totals;
    std::array<LedgerGridRow, kLedgerRows> grid{};
    LedgerTotalsBoxes totalBoxes;
    std::array<std::string, 5> deductionHeadings{"MCU", "Bond", "Dues", "Pension", "Misc."};
};

}  // namespace corvanta
