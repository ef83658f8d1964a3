#pragma once

#include <QString>
#include <array>
#include <string>

#include "records/ytd/ytd_ledger.h"

class QGridLayout;
class QLineEdit;
class QWidget;

namespace corvanta::ui::ledger_columns {

// The columns of the ledger grid; the totals strip uses the same ones so its boxes stand
// under the grid's cells.
inline constexpr int kNumber = 0;
inline constexpr int kWeek = 1;
inline constexpr int kFirstTax = 2;  // Federal ... K-Plan, kLedgerTaxCells of them
inline constexpr int kOvertime = kFirstTax + kLedgerTaxCells;
inline constexpr int kNet = kOvertime + 1;
inline constexpr int kGross = kNet + 1;
inline constexpr int kTips = kGross + 1;
inline constexpr int kCount = kTips + 1;

// The control name stems of the eleven tax and deduction columns: txt<stem> in the grid,
// txtTot<stem> in the totals strip.
inline constexpr std::array<const char*, kLedgerTaxCells> kTaxStems{
    "Fed", "SS", "Medi", "State", "City", "Muni", "Bond", "Dues", "Pen", "Misc", "Kplan"};

// The heading of every column, the five deduction columns taking the profile's captions.
std::array<QString, kCount> headings(const std::array<std::string, 5>& deductionCaptions);

// An editable amount box of the grid or the totals strip; `numeric` ones take only the
// characters of a number, the others select their text on entry.
QLineEdit* amountBox(QWidget* parent, const QString& name, bool numeric);

// Puts a widget into its column at the column's fixed width.
void place(QGridLayout* grid, QWidget* widget, int row, int column);

// Gives the layout the column widths and spacing shared by the grid and the totals strip.
void setUpColumns(QGridLayout* grid);

}  // namespace corvanta::ui::ledger_columns
