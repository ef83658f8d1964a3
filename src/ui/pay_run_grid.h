#pragma once

#include <QString>
#include <QStyledItemDelegate>
#include <optional>
#include <string>
#include <vector>

#include "session/payroll/pay_run.h"

class QTableWidget;

namespace corvanta::ui {

// The grid's columns: the choice, the employee, the calculator window's eight entry boxes,
// "(2X)", then the figures a preview shows.
enum PayRunColumn : int {
    kPayColumn = 0,
    kEmployeeColumn = 1,
    kFirstEntryColumn = 2,
    kTwoXColumn = kFirstEntryColumn + kEntryBoxes,
    kFirstFigureColumn,
};

// How many figures a preview shows per row: the register's amounts, gross to net.
inline constexpr int kFigureColumns = 10;

// Sets up the grid's columns and headings.
void setUpPayRunGrid(QTableWidget* grid);

// A row per employee, unchosen and empty.
void fillEmployees(QTableWidget* grid, const std::vector<std::string>& employees);

// The grid row of the employee; nothing when she has none.
std::optional<int> rowOfEmployee(const QTableWidget* grid, const std::string& employee);

// The chosen rows as the run takes them; a row's line is its grid row counted from 1.
std::vector<HoursRow> chosenHoursRows(const QTableWidget* grid);

// Puts the entries of a sheet row (or of the last period) into the grid row and chooses it.
void putEntries(QTableWidget* grid, int row, const HoursRow& entries);

// The bad cell of a typed entry, named: "Row 3, Jane Doe, O.T.: "1.2.3" is not a number";
// nothing when every chosen row's entries are numbers.
std::optional<QString> firstBadEntry(const QTableWidget* grid);

// Shows the preview's figures (the register's table: its heading, a row per employee, the
// totals) beside the rows it names; other rows' figures are cleared.
void showFigures(QTableWidget* grid, const std::vector<std::vector<std::string>>& table);

// Clears every row's figures: the entries changed since the preview.
void clearFigures(QTableWidget* grid);

// Entry cells are edited in a box that takes what the calculator's entry boxes take.
class EntryCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
};

}  // namespace corvanta::ui
