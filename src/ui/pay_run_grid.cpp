#include "ui/pay_run_grid.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>

#include "base/core/numeric_text.h"
#include "ui/message_box.h"
#include "ui/numeric_key_filter.h"

namespace corvanta::ui {
namespace {

// The calculator window's entry boxes, in a few words each.
constexpr std::array<const char*, kEntryBoxes> kEntryHeadings{
    "Straight 1", "Straight 2", "O.T.", "O.T. 1.5X", "Holiday", "Vac./Sick", "Dollars", "Tips"};

// The register's columns from gross to net, after its employee and name.
constexpr int kFirstRegisterAmount = 2;

QTableWidgetItem* checkItem(bool checked) {
    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    return item;
}

QTableWidgetItem* readOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString cellText(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item == nullptr ? QString() : item->text().trimmed();
}

bool isChecked(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item != nullptr && item->checkState() == Qt::Checked;
}

}  // namespace

void setUpPayRunGrid(QTableWidget* grid) {
    QStringList headings{"Pay", "Employee"};
    for (const char* h : kEntryHeadings) headings << h;
    headings << "2X";
    const QStringList figures{"Gross", "Federal", "Soc. Sec.", "Medicare",   "State",
                              "City",  "SDI",     "SUI",       "Deductions", "Net"};
    headings << figures;
    grid->setColumnCount(static_cast<int>(headings.size()));
    grid->setHorizontalHeaderLabels(headings);
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                          QAbstractItemView::EditKeyPressed);
    grid->setItemDelegate(new EntryCellDelegate(grid));
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void fillEmployees(QTableWidget* grid, const std::vector<std::string>& employees) {
    const QSignalBlocker quiet(grid);
    grid->setRowCount(0);
    grid->setRowCount(static_cast<int>(employees.size()));
    for (int r = 0; r < grid->rowCount(); ++r) {
        grid->setItem(r, kPayColumn, checkItem(false));
        grid->setItem(r, kEmployeeColumn, readOnlyItem(toQt(employees[r])));
        for (int c = kFirstEntryColumn; c < kTwoXColumn; ++c) {
            auto* entry = new QTableWidgetItem;
            entry->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->setItem(r, c, entry);
        }
        grid->setItem(r, kTwoXColumn, checkItem(false));
        for (int c = kFirstFigureColumn; c < grid->columnCount(); ++c) {
            QTableWidgetItem* figure = readOnlyItem({});
            figure->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->setItem(r, c, figure);
        }
    }
}

std::optional<int> rowOfEmployee(const QTableWidget* grid, const std::string& employee) {
    for (int r = 0; r < grid->rowCount(); ++r) {
        if (fromQt(cellText(grid, r, kEmployeeColumn)) == employee) return r;
    }
    return std::nullopt;
}

std::vector<HoursRow> chosenHoursRows(const QTableWidget* grid) {
    std::vector<HoursRow> rows;
    for (int r = 0; r < grid->rowCount(); ++r) {
        if (!isChecked(grid, r, kPayColumn)) continue;
        HoursRow row;
        row.line = r + 1;
        row.employee = fromQt(cellText(grid, r, kEmployeeColumn));
        for (int b = 0; b < kEntryBoxes; ++b) {
            row.boxes[b] = fromQt(cellText(grid, r, kFirstEntryColumn + b));
        }
        row.twoX = isChecked(grid, r, kTwoXColumn) ? "1" : "0";
        rows.push_back(row);
    }
    return rows;
}

void putEntries(QTableWidget* grid, int row, const HoursRow& entries) {
    grid->item(row, kPayColumn)->setCheckState(Qt::Checked);
    for (int b = 0; b < kEntryBoxes; ++b) {
        grid->item(row, kFirstEntryColumn + b)->setText(toQt(entries.boxes[b]));
    }
    grid->item(row, kTwoXColumn)->setCheckState(entries.twoX == "1" ? Qt::Checked : Qt::Unchecked);
}

std::optional<QString> firstBadEntry(const QTableWidget* grid) {
    for (int r = 0; r < grid->rowCount(); ++r) {
        if (!isChecked(grid, r, kPayColumn)) continue;
        for (int c = kFirstEntryColumn; c < kTwoXColumn; ++c) {
            const QString text = cellText(grid, r, c);
            if (entryValue(fromQt(text))) continue;
            return QString("Row %1, %2, %3: \"%4\" is not a number.")
                .arg(r + 1)
                .arg(cellText(grid, r, kEmployeeColumn))
                .arg(grid->horizontalHeaderItem(c)->text())
                .arg(text);
        }
    }
    return std::nullopt;
}

void clearFigures(QTableWidget* grid) {
    const QSignalBlocker quiet(grid);
    for (int r = 0; r < grid->rowCount(); ++r) {
        for (int c = kFirstFigureColumn; c < grid->columnCount(); ++c)
            grid->item(r, c)->setText({});
    }
}

void showFigures(QTableWidget* grid, const std::vector<std::vector<std::string>>& table) {
    clearFigures(grid);
    const QSignalBlocker quiet(grid);
    // The first row is the heading, the last the totals.
    for (std::size_t i = 1; i + 1 < table.size(); ++i) {
        const auto& line = table[i];
        const auto row = rowOfEmployee(grid, line.front());
        if (!row) continue;
        for (int f = 0; f < kFigureColumns; ++f) {
            const std::size_t cell = kFirstRegisterAmount + f;
            if (cell < line.size())
                grid->item(*row, kFirstFigureColumn + f)->setText(toQt(line[cell]));
        }
    }
}

QWidget* EntryCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    if (index.column() < kFirstEntryColumn || index.column() >= kTwoXColumn) {
        return QStyledItemDelegate::createEditor(parent, option, index);
    }
    auto* box = new QLineEdit(parent);
    box->setAlignment(Qt::AlignRight);
    NumericKeyFilter::installInCell(box);
    return box;
}

}  // namespace corvanta::ui
