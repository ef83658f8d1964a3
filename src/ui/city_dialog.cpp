#include "ui/city_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "session/local/local_files.h"
#include "ui/cell_factory.h"
#include "ui/message_box.h"
#include "ui/screen_fit.h"
#include "ui/started_from_label.h"

namespace corvanta::ui {

CityDialog::CityDialog(PayrollContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("DialogCity");
    setWindowTitle("City (Local) Tax Tables");
    setAttribute(Qt::WA_DeleteOnClose);
    QVBoxLayout* rows = scrolledRows(this);
    auto* tables = new QHBoxLayout;
    tables->addWidget(buildTable(false));
    tables->addWidget(buildTable(true));
    tables->addWidget(buildAllowances());
    rows->addLayout(tables);
    auto* warning = new QLabel(
        "WARNING!  Enter 999999 in any Minimum Range Box that is not used.\nWhen you enter the "
        "above biweekly info, the weekly tables will be configured for half the amount "
        "including the exemptions.",
        this);
    warning->setWordWrap(true);
    rows->addWidget(warning);
    if (QLabel* started = startedFromLabel(ctx_, this)) rows->addWidget(started);
    layout()->addWidget(buildButtons());
    refresh();
    fitToScreen(this);
}

QWidget* CityDialog::buildTable(bool married) {
    auto* frame =
        new QGroupBox(married ? "Table for MARRIED Persons" : "Table for SINGLE Persons", this);
    auto* grid = new QGridLayout(frame);
    addLabel(grid, 0, 1, "BIWEEKLY ");
    // Headings wrap over their columns, so the dialog fits a 1024-pixel-wide screen.
    const std::array<const char*, 3> headings{"Minimum Range", "Amount to Withhold",
                                              "Multiply by Percentage in Decimal"};
    for (int c = 0; c < 3; ++c) {
        QLabel* heading = addLabel(grid, 1, c, headings[c]);
        heading->setWordWrap(true);
        heading->setMinimumHeight(heading->fontMetrics().lineSpacing() * 3);
        heading->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    }
    CityDialogModel& d = ctx_.cityDialog;
    const std::array<CityDialogModel::Column*, 3> columns =
        married ? std::array{&d.txtCityMinBM, &d.txtCityAmtBM, &d.txtCityPerBM}
                : std::array{&d.txtCityMinBS, &d.txtCityAmtBS, &d.txtCityPerBS};
    const std::array<QString, 3> names =
        married ? std::array<QString, 3>{"txtCityMinBM", "txtCityAmtBM", "txtCityPerBM"}
                : std::array<QString, 3>{"txtCityMinBS", "txtCityAmtBS", "txtCityPerBS"};
    for (int r = 0; r < kCityRows; ++r) {
        for (int c = 0; c < 3; ++c) {
            cells_.bind(addNumericCell(grid, r + 2, c, names[c] + QString::number(r)),
                        &(*columns[c])[r]);
        }
    }
    return frame;
}

QWidget* CityDialog::buildAllowances() {
    auto* frame = new QGroupBox("Withholding Allowance", this);
    auto* grid = new QGridLayout(frame);
    addLabel(grid, 0, 0, "BIWEEKLY ");
    addLabel(grid, 1, 0, "# of Exemp");
    addLabel(grid, 1, 1, "SINGLE");
    addLabel(grid, 1, 2, "MARRIED");
    CityDialogModel& d = ctx_.cityDialog;
    for (int n = 0; n < kCityRows; ++n) {
        addLabel(grid, n + 2, 0, QString::number(n));
        cells_.bind(addNumericCell(grid, n + 2, 1, QString("txtCitySgExp%1").arg(n)),
                    &d.txtCitySgExp[n]);
        cells_.bind(addNumericCell(grid, n + 2, 2, QString("txtCityMarExp%1").arg(n)),
                    &d.txtCityMarExp[n]);
    }
    return frame;
}

QWidget* CityDialog::buildButtons() {
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    ckNoLocalTax_ = new QCheckBox("NO &LOCAL TAX", panel);
    ckNoLocalTax_->setObjectName("ckNoLocalTax");
    connect(ckNoLocalTax_, &QCheckBox::clicked, this, &CityDialog::clickNoLocalTax);
    row->addWidget(ckNoLocalTax_);
    row->addStretch();
    auto button = [&](const QString& caption, const QString& name, auto slot) {
        QPushButton* b = addButton(row, caption, name);
        b->setAutoDefault(true);  // Enter on a button presses that button
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    // CLEAR ALL away from SAVE, so a slip of Tab does not go from one to the other.
    button("&CLEAR ALL", "cmdClearMe", [this] {
        clearCityBoxes(ctx_.cityDialog);
        refresh();
    });
    button("&New York", "cmdDefault", [this] {
        showCityTable(cityDefaults(), ctx_.cityDialog);
        ctx_.cityDialog.ckNoLocalTax = 0;
        refresh();
    });
    // Enter in a box saves; Escape cancels.
    button("&SAVE", "OKButton", [this] { save(); })->setDefault(true);
    button("CANC&EL", "CancelButton", [this] { close(); });
    return panel;
}

void CityDialog::clickNoLocalTax(bool checked) {
    // Only the boxes change: the table takes the flag on "SAVE", so a cancelled tick is never
    // stored by a later save of the employee.
    if (checked) {
        clearCityBoxes(ctx_.cityDialog);
        ctx_.cityDialog.ckNoLocalTax = 1;
    } else {
        // Back to the table last loaded or saved.
        showCityTable(ctx_.city, ctx_.cityDialog);
        ctx_.cityDialog.ckNoLocalTax = 0;
    }
    refresh();
}

void CityDialog::refresh() {
    cells_.show();
    const QSignalBlocker block(ckNoLocalTax_);
    ckNoLocalTax_->setChecked(ctx_.cityDialog.ckNoLocalTax != 0);
}

void CityDialog::save() {
    if (!runShowingErrors(this, [&] { saveCityDialog(ctx_); })) return;
    close();
    emit committed();
}

void CityDialog::reject() { close(); }

void CityDialog::closeEvent(QCloseEvent* event) {
    // Closed without saving: the next use loads the table from the file again.
    ctx_.loaded.cityDialog = false;
    event->accept();
}

}  // namespace corvanta::ui
