// The state dialog's controls and their places.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "session/state/state_defaults.h"
#include "session/state/state_dialog_commands.h"
#include "ui/cell_factory.h"
#include "ui/state_dialog.h"

namespace corvanta::ui {
namespace {

// Each method has its own Alt letter, so a state is ticked without the mouse; the letters of the
// other boxes and the buttons differ from them.
struct MethodBox {
    StateMethodId id;
    const char* name;
    const char* caption;
};
constexpr std::array<MethodBox, kStateMethodCount> kMethodBoxes{{
    {StateMethodId::Arizona, "ckAriz", "&Arizona"},
    {StateMethodId::Louisiana, "ckLouis", "&Louisiana"},
    {StateMethodId::Iowa, "ckIowa", "&Iowa"},
    {StateMethodId::Missouri, "ckMissouri", "Missou&ri"},
    {StateMethodId::Mass, "ckMass", "&Mass"},
    {StateMethodId::Oregon, "ckOregon", "&Oregon"},
    {StateMethodId::Utah, "ckUtah", "&Utah"},
    {StateMethodId::Alabama, "ckAlabama", "Ala&bama"},
    {StateMethodId::Kentucky, "ckKentucky", "&Kentucky"},
    {StateMethodId::Wisconsin, "ckWiscon", "&Wisconsin"},
    {StateMethodId::NC, "ckNC", "&N.C."},
}};

QLabel* wrapped(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setMinimumHeight(label->fontMetrics().lineSpacing() * 3);
    return label;
}

}  // namespace

QWidget* StateDialog::buildTables() {
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(buildTable("Table for SINGLE Persons", false));
    row->addWidget(buildTable(QString::fromStdString(ctx_.stateDialog.MarriedTableHeading), true));
    row->addWidget(buildAllowances());
    return panel;
}

QWidget* StateDialog::buildTable(const QString& title, bool married) {
    auto* frame = new QGroupBox(title, this);
    if (married) marriedTable_ = frame;
    auto* grid = new QGridLayout(frame);
    QLabel* biweekly = addLabel(grid, 0, 1, "BIWEEKLY ", married ? "Label20" : "Label19");
    (married ? label20_ : label19_) = biweekly;
    addLabel(grid, 1, 0, "Line");
    grid->addWidget(wrapped("Minimum Range", frame), 1, 1);
    grid->addWidget(wrapped("Amount to Withhold", frame), 1, 2);
    grid->addWidget(wrapped("Multiply by Percentage in Decimal", frame), 1, 3);
    StateDialogModel& d = ctx_.stateDialog;
    std::array<StateDialogModel::Column*, 3> columns =
        married ? std::array{&d.txtStateMinBM, &d.txtStateAmtBM, &d.txtStatePerBM}
                : std::array{&d.txtStateMinBS, &d.txtStateAmtBS, &d.txtStatePerBS};
    const std::array<QString, 3> names =
        married ? std::array<QString, 3>{"txtStateMinBM", "txtStateAmtBM", "txtStatePerBM"}
                : std::array<QString, 3>{"txtStateMinBS", "txtStateAmtBS", "txtStatePerBS"};
    for (int line = 0; line < kTableLines; ++line) {
        addLabel(grid, line + 2, 0, QString::number(line + 1));
        for (int c = 0; c < 3; ++c) {
            QLineEdit* cell =
                addNumericCell(grid, line + 2, c + 1, names[c] + QString::number(line));
            cells_.bind(cell, &(*columns[c])[line]);
        }
    }
    return frame;
}

QWidget* StateDialog::buildAllowances() {
    allowanceFrame_ = new QGroupBox("Withholding Allowance", this);
    auto* grid = new QGridLayout(allowanceFrame_);
    label21_ = addLabel(grid, 0, 0, "", "Label21");
    label13_ = addLabel(grid, 1, 0, "", "Label13");
    label14_ = addLabel(grid, 1, 1, "", "Label14");
    label15_ = addLabel(grid, 1, 2, "", "Label15");
    StateDialogModel& d = ctx_.stateDialog;
    for (int n = 0; n < kTableLines; ++n) {
        label27_[n] = addLabel(grid, n + 2, 0, "", QString("Label27%1").arg(n));
        cells_.bind(addNumericCell(grid, n + 2, 1, QString("txtStateSgExp%1").arg(n)),
                    &d.txtStateSgExp[n]);
        cells_.bind(addNumericCell(grid, n + 2, 2, QString("txtStateMarExp%1").arg(n)),
                    &d.txtStateMarExp[n]);
    }
    return allowanceFrame_;
}

QCheckBox* StateDialog::addCheckBox(QGridLayout* grid, int row, int column, const QString& caption,
                                    const QString& name) {
    auto* box = new QCheckBox(caption, grid->parentWidget());
    box->setObjectName(name);
    grid->addWidget(box, row, column);
    return box;
}

QWidget* StateDialog::buildMethods() {
    auto* frame = new QGroupBox("State", this);
    auto* grid = new QGridLayout(frame);
    for (int i = 0; i < kStateMethodCount; ++i) {
        const MethodBox& m = kMethodBoxes[i];
        QCheckBox* box = addCheckBox(grid, i % 6, i / 6, m.caption, m.name);
        connect(box, &QCheckBox::clicked, this, [this, id = m.id] { selectMethod(id); });
        methodBoxes_[static_cast<int>(m.id)] = box;
    }
    ckNoStateTax_ = addCheckBox(grid, 0, 2, "NO STATE TA&X", "ckNoStateTax");
    ckRoundOff_ = addCheckBox(grid, 1, 2, "Round S&tate", "ckRoundOff");
    spouseLabel_ = addLabel(grid, 3, 2, "For Married Persons");
    ckSpouse_ = addCheckBox(grid, 4, 2, "S&pouse Works", "ckSpouse");
    lbStateRule_ = new QLabel(frame);
    lbStateRule_->setObjectName("lbStateRule");
    lbStateRule_->setWordWrap(true);
    // Room for the longest rule, so the frame keeps its height whichever state is ticked.
    lbStateRule_->setMinimumHeight(lbStateRule_->fontMetrics().lineSpacing() * 4);
    lbStateRule_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(lbStateRule_, 6, 0, 1, 3);
    grid->setRowStretch(7, 1);
    // The boxes change the dialog only; the settings take them on "SAVE".
    connect(ckNoStateTax_, &QCheckBox::clicked, this, [this](bool checked) {
        edit([checked](PayrollContext& c) { clickNoStateTax(c, checked); });
    });
    connect(ckSpouse_, &QCheckBox::clicked, this, [this](bool checked) {
        edit([checked](PayrollContext& c) { clickSpouseWorks(c, checked); });
    });
    connect(ckRoundOff_, &QCheckBox::clicked, this,
            [this](bool checked) { ctx_.stateDialog.ckRoundOff = checked ? 1 : 0; });
    return frame;
}

QWidget* StateDialog::buildInsurance(bool sdi) {
    auto* frame =
        new QGroupBox(sdi ? "State Disability Insurance" : "State UnEmployment Insurance", this);
    auto* grid = new QGridLayout(frame);
    StateDialogModel& d = ctx_.stateDialog;
    QCheckBox* useBase = addCheckBox(grid, 0, 0, "Use Base", sdi ? "ckSDI" : "ckSUI");
    (sdi ? ckSDI_ : ckSUI_) = useBase;
    (sdi ? label26_ : label23_) = addLabel(grid, 1, 0, "", sdi ? "Label26" : "Label23");
    QLineEdit* base = addNumericCell(grid, 1, 1, sdi ? "txtSDIwageBase" : "txtSUIwageBase");
    addLabel(grid, 2, 0, "% Rate");
    QLineEdit* rate = addNumericCell(grid, 2, 1, sdi ? "txtSDIpercent" : "txtSUIpercent");
    cells_.bind(base, sdi ? &d.txtSDIwageBase : &d.txtSUIwageBase);
    cells_.bind(rate, sdi ? &d.txtSDIpercent : &d.txtSUIpercent);
    connect(useBase, &QCheckBox::clicked, this, [this, sdi](bool checked) {
        edit([sdi, checked](PayrollContext& c) {
            (sdi ? clickSdiUseBase : clickSuiUseBase)(c, checked);
        });
    });
    return frame;
}

QWidget* StateDialog::buildAdjustment() {
    auto* frame = new QGroupBox("Adustment", this);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(
        wrapped("Enter figure to add to State Tax. Place a (-)Minus to subtract.", frame), 0, 0);
    cells_.bind(addNumericCell(grid, 0, 1, "txtStateAdj"), &ctx_.stateDialog.txtStateAdj);
    addLabel(grid, 1, 0, "California Exempt Allowance");
    cells_.bind(addNumericCell(grid, 1, 1, "txtCalAllow"), &ctx_.stateDialog.txtCalAllow);
    return frame;
}

QWidget* StateDialog::buildButtons() {
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    auto button = [&](const QString& caption, const QString& name, auto slot) {
        QPushButton* b = addButton(row, caption, name);
        b->setAutoDefault(true);  // Enter on a button presses that button
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    // CLEAR ALL first, away from SAVE, so a slip of Tab or the mouse does not reach the other.
    button("&CLEAR ALL", "cmdClearAll", [this] { runCommand(clearAllStateCells); });
    button("New &York", "cmdDefault", [this] { runCommand(restoreNewYorkValues); });
    button("Make &Default", "cmdMkDefault", [this] { makeDefault(); });
    button("&Get Default", "cmdGetDefault", [this] { getDefault(); });
    row->addStretch();
    // Enter in a box saves; Escape cancels.
    button("&SAVE", "OKButton", [this] { save(); })->setDefault(true);
    button("CANC&EL", "CancelButton", [this] { close(); });
    return panel;
}

}  // namespace corvanta::ui
