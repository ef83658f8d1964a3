#include "ui/non_city_dialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "session/local/local_files.h"
#include "ui/cell_factory.h"
#include "ui/message_box.h"

namespace corvanta::ui {

NonCityDialog::NonCityDialog(PayrollContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("DialogNonCity");
    setWindowTitle("NON City Resident");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* rows = new QVBoxLayout(this);
    auto* tables = new QHBoxLayout;
    tables->addWidget(buildTable(false));
    tables->addWidget(buildTable(true));
    rows->addLayout(tables);
    auto* rateBox = new QWidget(this);
    auto* rateGrid = new QGridLayout(rateBox);
    addLabel(rateGrid, 0, 0, "Multiply by Percentage in Decimal");
    cells_.bind(addNumericCell(rateGrid, 0, 1, "txtNonPer"), &ctx_.nonCityDialog.txtNonPer);
    rows->addWidget(rateBox);
    rows->addWidget(
        new QLabel("WARNING!  Enter 999999 in any Minimum Range Box that is not used.", this));
    rows->addWidget(buildButtons());
    refresh();
}

QWidget* NonCityDialog::buildTable(bool weekly) {
    auto* frame = new QGroupBox("NON Resident Table", this);
    auto* grid = new QGridLayout(frame);
    addLabel(grid, 0, 0, weekly ? "WEEKLY" : "BIWEEKLY");
    addLabel(grid, 1, 0, "Minimum Range");
    addLabel(grid, 1, 1, "Subtract");
    NonCityDialogModel& d = ctx_.nonCityDialog;
    auto& mins = weekly ? d.txtNonMinWk : d.txtNonMinBi;
    auto& exps = weekly ? d.txtNonExpWk : d.txtNonExpBi;
    const QString minName = weekly ? "txtNonMinWk" : "txtNonMinBi";
    const QString expName = weekly ? "txtNonExpWk" : "txtNonExpBi";
    for (int r = 0; r < kNonCityRows; ++r) {
        cells_.bind(addNumericCell(grid, r + 2, 0, minName + QString::number(r)), &mins[r]);
        cells_.bind(addNumericCell(grid, r + 2, 1, expName + QString::number(r)), &exps[r]);
    }
    return frame;
}

QWidget* NonCityDialog::buildButtons() {
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->addStretch();
    auto button = [&](const QString& caption, const QString& name, auto slot) {
        QPushButton* b = addButton(row, caption, name);
        b->setAutoDefault(true);  // Enter on a button presses that button
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    button("&DEFAULT", "cmdDefault", [this] {
        showNonCityTable(nonCityDefaults(), ctx_.nonCityDialog);
        refresh();
    });
    // Enter in a box saves; Escape cancels.
    button("&SAVE", "OKButton", [this] { save(); })->setDefault(true);
    button("CANC&EL", "CancelButton", [this] { close(); });
    return panel;
}

void NonCityDialog::refresh() { cells_.show(); }

void NonCityDialog::save() {
    if (!runShowingErrors(this, [&] { saveNonCityDialog(ctx_); })) return;
    close();
    emit committed();
}

void NonCityDialog::reject() { close(); }

void NonCityDialog::closeEvent(QCloseEvent* event) {
    // Unsaved boxes are dropped: the next opening loads the table again.
    ctx_.loaded.nonCityDialog = false;
    event->accept();
}

}  // namespace corvanta::ui
