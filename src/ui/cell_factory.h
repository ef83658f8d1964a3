#pragma once

#include <QString>

class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace corvanta::ui {

// A numeric table cell named `name`, placed in the grid.
QLineEdit* addNumericCell(QGridLayout* grid, int row, int column, const QString& name);

// A label named `name` (empty name: unnamed), placed in the grid.
QLabel* addLabel(QGridLayout* grid, int row, int column, const QString& text,
                 const QString& name = {});

}  // namespace corvanta::ui
