#pragma once

#include <QString>

class QBoxLayout;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace corvanta::ui {

// A numeric table cell named `name`, placed in the grid.
QLineEdit* addNumericCell(QGridLayout* grid, int row, int column, const QString& name);

// A label named `name` (empty name: unnamed), placed in the grid.
QLabel* addLabel(QGridLayout* grid, int row, int column, const QString& text,
                 const QString& name = {});

// A push button named `name` at the end of the row. Enter in a box of the dialog does not
// press it.
QPushButton* addButton(QBoxLayout* row, const QString& caption, const QString& name);

}  // namespace corvanta::ui
