#include "ui/cell_factory.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/numeric_key_filter.h"

namespace corvanta::ui {

QLineEdit* addNumericCell(QGridLayout* grid, int row, int column, const QString& name) {
    auto* box = new QLineEdit(grid->parentWidget());
    box->setObjectName(name);
    box->setMinimumWidth(70);
    box->setAlignment(Qt::AlignRight);
    NumericKeyFilter::install(box);
    grid->addWidget(box, row, column);
    return box;
}

QLabel* addLabel(QGridLayout* grid, int row, int column, const QString& text, const QString& name) {
    auto* label = new QLabel(text, grid->parentWidget());
    if (!name.isEmpty()) label->setObjectName(name);
    grid->addWidget(label, row, column);
    return label;
}

QPushButton* addButton(QBoxLayout* row, const QString& caption, const QString& name) {
    auto* button = new QPushButton(caption, row->parentWidget());
    button->setObjectName(name);
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

}  // namespace corvanta::ui
