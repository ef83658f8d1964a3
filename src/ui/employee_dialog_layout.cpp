// The employee dialog's controls and their places.
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include "ui/employee_dialog.h"
#include "ui/numeric_key_filter.h"
#include "ui/select_on_focus.h"

namespace corvanta::ui {
namespace {

const QStringList kStatuses{"Single", "Married"};
const QStringList kCounts{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};

}  // namespace

QLineEdit* EmployeeDialog::addText(QFormLayout* form, const QString& caption, const QString& name) {
    auto* box = new QLineEdit(form->parentWidget());
    box->setObjectName(name);
    box->setMinimumWidth(220);
    // Typing replaces the placeholder instead of adding to it.
    SelectOnFocus::install(box);
    form->addRow(caption, box);
    return box;
}

QLineEdit* EmployeeDialog::addAmount(QGridLayout* grid, int row, int column, const QString& name) {
    auto* box = new QLineEdit(grid->parentWidget());
    box->setObjectName(name);
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(100);
    NumericKeyFilter::install(box);
    grid->addWidget(box, row, column);
    return box;
}

QComboBox* EmployeeDialog::addCombo(const QStringList& items, const QString& name,
                                    const QString& tooltip, bool editable) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(name);
    combo->setEditable(editable);
    combo->addItems(items);
    combo->setToolTip(tooltip);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // The editable lists are exemption counts: one digit, 0 to 9, and nothing else typed.
    if (editable) {
        combo->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]")), combo));
    }
    SelectOnFocus::install(combo);
    return combo;
}

QCheckBox* EmployeeDialog::addCheck(const QString& caption, const QString& name) {
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(name);
    return box;
}

QWidget* EmployeeDialog::buildPerson() {
    auto* frame = new QGroupBox("Employee", this);
    auto* form = new QFormLayout(frame);
    txtName_ = addText(form, "Employee's Name", "txtName");
    txtAddress_ = addText(form, "Employee's Address for Check", "txtAddress");
    txtStateCityZip_ = addText(form, "City, State, Zip Code", "txtStateCityZip");
    txtSSnum_ = addText(form, "Social Security Number", "txtSSnum");
    return frame;
}

QWidget* EmployeeDialog::buildPay() {
    auto* frame = new QGroupBox("Pay", this);
    auto* grid = new QGridLayout(frame);
    const char* captions[] = {"Hourly Rate 1", "Hourly Rate 2", "Tips Rate",
                              "Additional Federal Withholdings"};
    QLineEdit** boxes[] = {&txtHourRate_, &txtHourRate2_, &txtTipsRate_, &txtFedAddL_};
    const char* names[] = {"txtHourRate", "txtHourRate2", "txtTipsRate", "txtFedAddL"};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(new QLabel(captions[i], frame), i, 0);
        *boxes[i] = addAmount(grid, i, 1, names[i]);
    }
    optWeek_ = new QRadioButton("Weekly", frame);
    optWeek_->setObjectName("optWeek");
    optBiWeek_ = new QRadioButton("Bi-Weekly", frame);
    optBiWeek_->setObjectName("optBiWeek");
    grid->addWidget(optWeek_, 4, 0);
    grid->addWidget(optBiWeek_, 4, 1);
    return frame;
}

QWidget* EmployeeDialog::buildStatus() {
    auto* frame = new QGroupBox("Status", this);
    auto* grid = new QGridLayout(frame);
    // The statuses are lists only: a typed "Singel" would withhold at the married rates.
    cboStatus_ = addCombo(kStatuses, "cboStatus", "Set Status", false);
    cboDepend_ = addCombo(kCounts, "cboDepend", "Set Exemptions", true);
    cboStatus2_ = addCombo(kStatuses, "cboStatus2", "", false);
    cboDepend2_ = addCombo(kCounts, "cboDepend2", "", true);
    grid->addWidget(new QLabel("", frame), 0, 0);
    grid->addWidget(new QLabel("Status", frame), 0, 1);
    grid->addWidget(new QLabel("Exemptions", frame), 0, 2);
    grid->addWidget(new QLabel("FEDERAL STATUS", frame), 1, 0);
    grid->addWidget(cboStatus_, 1, 1);
    grid->addWidget(cboDepend_, 1, 2);
    grid->addWidget(new QLabel("STATE & CITY STATUS", frame), 2, 0);
    grid->addWidget(cboStatus2_, 2, 1);
    grid->addWidget(cboDepend2_, 2, 2);
    return frame;
}

QWidget* EmployeeDialog::buildExemptions() {
    auto* frame = new QGroupBox("Exempt", this);
    auto* grid = new QGridLayout(frame);
    ckFedExemp_ = addCheck("Federal Tax Exempt", "ckFedExemp");
    ckSSMediExemp_ = addCheck("Soc. Sec.  Medicare Tax Exempt", "ckSSMediExemp");
    ckSelfEmp_ = addCheck("Self Employed", "ckSelfEmp");
    ckNonCity_ = addCheck("NON-CITY Resident", "ckNonCity");
    grid->addWidget(ckFedExemp_, 0, 0);
    grid->addWidget(ckSSMediExemp_, 1, 0);
    grid->addWidget(ckSelfEmp_, 0, 1);
    grid->addWidget(ckNonCity_, 1, 1);
    return frame;
}

QWidget* EmployeeDialog::buildDeductions() {
    auto* frame = new QGroupBox("Deductions", this);
    auto* grid = new QGridLayout(frame);
    const char* names[] = {"txtMuni", "txtBond", "txtDues", "txtPension", "txtMisc"};
    QLineEdit** amounts[] = {&txtMuni_, &txtBond_, &txtDues_, &txtPension_, &txtMisc_};
    for (int i = 0; i < 5; ++i) {
        captionBoxes_[i] = new QLineEdit(frame);
        captionBoxes_[i]->setObjectName(QString("txtTax%1").arg(i + 5));
        grid->addWidget(captionBoxes_[i], i, 0);
        *amounts[i] = addAmount(grid, i, 1, names[i]);
    }
    // The pension is a percent of gross pay, not dollars like the boxes above it.
    auto* percent = new QLabel("%", frame);
    percent->setObjectName("lbPensionPercent");
    percent->setToolTip("Percent of gross pay");
    txtPension_->setToolTip("Percent of gross pay: 5 takes 5% of every gross pay");
    percent->setBuddy(txtPension_);
    grid->addWidget(percent, 3, 2);
    grid->addWidget(new QLabel("K Plan", frame), 5, 0);
    txtKplan_ = addAmount(grid, 5, 1, "txtKplan");
    ckKpPer_ = addCheck("%", "ckKpPer");
    ckKpFix_ = addCheck("$", "ckKpFix");
    ckKpPer_->setToolTip("Percent of gross pay");
    ckKpFix_->setToolTip("Fixed amount");
    grid->addWidget(ckKpPer_, 5, 2);
    grid->addWidget(ckKpFix_, 5, 3);
    connect(ckKpPer_, &QCheckBox::clicked, this, [this](bool on) {
        if (on) ckKpFix_->setChecked(false);
    });
    connect(ckKpFix_, &QCheckBox::clicked, this, [this](bool on) {
        if (on) ckKpPer_->setChecked(false);
    });
    grid->addWidget(new QLabel("Cafeteria Plan", frame), 6, 0);
    txtCafe_ = addAmount(grid, 6, 1, "txtCafe");
    ckCafeState_ = addCheck("Deduct State", "ckCafeState");
    grid->addWidget(ckCafeState_, 6, 2, 1, 2);
    return frame;
}

QWidget* EmployeeDialog::buildButtons() {
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->addStretch();
    auto* save = new QPushButton("&Save", panel);
    save->setObjectName("cmdOk");
    auto* close = new QPushButton("&Close", panel);
    close->setObjectName("Command1");
    connect(save, &QPushButton::clicked, this, &EmployeeDialog::save);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    row->addWidget(save);
    row->addWidget(close);
    return panel;
}

}  // namespace corvanta::ui
