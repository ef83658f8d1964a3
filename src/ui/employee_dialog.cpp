#include "ui/employee_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "base/core/money.h"
#include "base/core/numeric_text.h"
#include "base/files/record_format.h"
#include "session/files/employee_files.h"
#include "session/files/open_employee.h"
#include "ui/message_box.h"
#include "ui/startup_load.h"

namespace corvanta::ui {
namespace {

constexpr std::array<const char*, 5> kDefaultCaptions{"CrUnion", "Bond", "Dues", "Pension",
                                                      "Misc."};
constexpr float kShownRate = 7.5f;

QString number(float value) { return toQt(shortestText(value)); }
int flag(const QCheckBox* box) { return box->isChecked() ? 1 : 0; }

}  // namespace

EmployeeDialog::EmployeeDialog(PayrollContext& ctx, std::function<bool()> saveUser, QWidget* parent)
    : QDialog(parent), ctx_(ctx), saveUser_(std::move(saveUser)) {
    setObjectName("frmTaxInfo");
    setWindowTitle("User Info");
    auto* grid = new QGridLayout(this);
    grid->addWidget(buildPerson(), 0, 0);
    grid->addWidget(buildPay(), 0, 1);
    grid->addWidget(buildStatus(), 1, 0);
    grid->addWidget(buildExemptions(), 1, 1);
    grid->addWidget(buildDeductions(), 2, 0, 1, 2);
    grid->addWidget(buildButtons(), 3, 0, 1, 2);
    // The load: the profile normalised, shown, and taken back as shown (a rate of 0 is 7.5).
    normaliseProfile(ctx_.profile);
    showProfile();
    readProfile(ctx_.profile);
    showEmployeeInWindow(ctx_);
}

void EmployeeDialog::showProfile() {
    const EmployeeProfile& p = ctx_.profile;
    txtName_->setText(toQt(p.EmployeeName));
    txtAddress_->setText(toQt(p.EmployeeAddress));
    txtStateCityZip_->setText(toQt(p.EmployeeCityStateZip));
    txtSSnum_->setText(toQt(p.EmployeeSsn));
    txtHourRate_->setText(number(p.HourlyRate == 0 ? kShownRate : p.HourlyRate));
    txtHourRate2_->setText(number(p.HourlyRate2));
    txtTipsRate_->setText(number(p.TipsRate));
    txtFedAddL_->setText(number(p.FedAddWithholding));
    cboStatus_->setCurrentIndex(cboStatus_->findText(filingStatusText(p.FedStatus)));
    cboDepend_->setCurrentText(toQt(p.FedExemptions));
    cboStatus2_->setCurrentIndex(cboStatus2_->findText(filingStatusText(p.StateStatus)));
    cboDepend2_->setCurrentText(QString::number(p.StateExemptions));
    ckFedExemp_->setChecked(p.FedExempt != 0);
    ckSSMediExemp_->setChecked(p.SocSecMedExempt != 0);
    ckSelfEmp_->setChecked(p.SelfEmployed != 0);
    ckNonCity_->setChecked(p.NonCityResident != 0);
    (p.isBiWeekly() ? optBiWeek_ : optWeek_)->setChecked(true);
    txtCafe_->setText(number(p.CafeteriaAmount));
    ckCafeState_->setChecked(p.CafeteriaReducesState != 0);
    txtKplan_->setText(number(p.KPlanValue));
    ckKpPer_->setChecked(p.KPlan == KPlanKind::PercentOfGross);
    ckKpFix_->setChecked(p.KPlan == KPlanKind::FixedAmount);
    txtMuni_->setText(number(p.CreditDeduction));
    txtBond_->setText(number(p.BondDeduction));
    txtDues_->setText(number(p.DuesDeduction));
    txtPension_->setText(number(p.PensionPercent));
    txtMisc_->setText(number(p.MiscDeduction));
    const std::array<const std::string*, 5> captions{&p.CreditLabel, &p.BondLabel, &p.DuesLabel,
                                                     &p.PensionLabel, &p.MiscLabel};
    for (int i = 0; i < 5; ++i) {
        captionBoxes_[i]->setText(captions[i]->empty() ? kDefaultCaptions[i] : toQt(*captions[i]));
    }
}

std::optional<float> EmployeeDialog::strictBox(QLineEdit* box, const char* caption) {
    const auto value = strictSingle(fromQt(box->text()));
    if (!value) {
        showUserMessage(this, {std::string("The ") + caption + " \"" + fromQt(box->text()) +
                                   "\" is not a number.\r\nEnter it again and save.",
                               "User Info"});
        box->setFocus();
    }
    return value;
}

std::optional<float> EmployeeDialog::leadingBox(QLineEdit* box, const char* caption) {
    const double value = numericValue(fromQt(box->text()));
    if (std::isfinite(value) && std::fabs(value) <= 3.402823466e38) {
        return static_cast<float>(value);
    }
    showUserMessage(this, {std::string("The ") + caption + " \"" + fromQt(box->text()) +
                               "\" is too large.\r\nEnter it again and save.",
                           "User Info"});
    box->setFocus();
    return std::nullopt;
}

std::optional<int> EmployeeDialog::exemptionCount(QComboBox* box, const char* which) {
    // A whole count from 0 to 9: "1.5" would be calculated as some other count, and the
    // allowance tables have no line past 9.
    const auto count = strictInteger(fromQt(box->currentText()));
    if (count && *count >= 0 && *count <= 9 && box->currentText().trimmed().size() == 1) {
        return count;
    }
    showUserMessage(this,
                    {std::string("The ") + which + " exemptions \"" + fromQt(box->currentText()) +
                         "\" are not a whole number from 0 to 9.",
                     "User Info"});
    box->setFocus();
    return std::nullopt;
}

bool EmployeeDialog::storableBoxes() {
    const std::array<std::pair<QLineEdit*, std::string>, 9> texts{{
        {txtName_, "Employee's Name"},
        {txtAddress_, "Address"},
        {txtStateCityZip_, "City, State, Zip"},
        {txtSSnum_, "Social Security Number"},
        {captionBoxes_[0], "caption of Deduction 1"},
        {captionBoxes_[1], "caption of Deduction 2"},
        {captionBoxes_[2], "caption of Deduction 3"},
        {captionBoxes_[3], "caption of Deduction 4"},
        {captionBoxes_[4], "caption of Deduction 5"},
    }};
    for (const auto& [box, field] : texts) {
        // Refused here, where it was typed: the file would not keep it.
        if (const auto character = unstorableCharacter(fromQt(box->text()))) {
            showUserMessage(this, {UnstorableTextError(field, *character).what(), "User Info"});
            box->setFocus();
            return false;
        }
    }
    return true;
}

bool EmployeeDialog::readProfile(EmployeeProfile& p) {
    if (txtHourRate_->text().trimmed() == "0") txtHourRate_->setText(number(kShownRate));
    const auto rate = strictBox(txtHourRate_, "Hourly Rate 1");
    if (!rate) return false;
    const auto rate2 = strictBox(txtHourRate2_, "Hourly Rate 2");
    if (!rate2) return false;
    const auto tips = strictBox(txtTipsRate_, "Tips Rate");
    if (!tips) return false;
    const auto exemptions = exemptionCount(cboDepend2_, "state and city");
    if (!exemptions) return false;
    const auto federalExemptions = exemptionCount(cboDepend_, "federal");
    if (!federalExemptions) return false;
    std::array<float, 8> amounts{};
    const std::array<std::pair<QLineEdit*, const char*>, 8> amountBoxes{{
        {txtFedAddL_, "Additional Federal Withholdings"},
        {txtCafe_, "Cafeteria Plan"},
        {txtKplan_, "K Plan"},
        {txtMuni_, "credit union deduction"},
        {txtBond_, "bond deduction"},
        {txtDues_, "dues deduction"},
        {txtPension_, "pension percent"},
        {txtMisc_, "miscellaneous deduction"},
    }};
    for (int i = 0; i < 8; ++i) {
        const auto value = leadingBox(amountBoxes[i].first, amountBoxes[i].second);
        if (!value) return false;
        amounts[i] = *value;
    }
    if (!storableBoxes()) return false;
    p.EmployeeName = fromQt(txtName_->text());
    p.EmployeeAddress = fromQt(txtAddress_->text());
    p.EmployeeCityStateZip = fromQt(txtStateCityZip_->text());
    p.EmployeeSsn = fromQt(txtSSnum_->text());
    p.HourlyRate = *rate;
    p.HourlyRate2 = *rate2;
    p.TipsRate = *tips;
    if (const auto status = filingStatusNamed(fromQt(cboStatus_->currentText()))) {
        p.FedStatus = *status;
    }
    p.FedExemptions = std::to_string(*federalExemptions);
    if (const auto status = filingStatusNamed(fromQt(cboStatus2_->currentText()))) {
        p.StateStatus = *status;
    }
    p.StateExemptions = *exemptions;
    p.FedAddWithholding = amounts[0];
    p.CafeteriaAmount = amounts[1];
    p.KPlanValue = amounts[2];
    p.CreditDeduction = amounts[3];
    p.BondDeduction = amounts[4];
    p.DuesDeduction = amounts[5];
    p.PensionPercent = amounts[6];
    p.MiscDeduction = amounts[7];
    p.FedExempt = flag(ckFedExemp_);
    p.SocSecMedExempt = flag(ckSSMediExemp_);
    p.SelfEmployed = flag(ckSelfEmp_);
    p.NonCityResident = flag(ckNonCity_);
    p.CafeteriaReducesState = flag(ckCafeState_);
    p.KPlan = kPlanKindOfFlags(flag(ckKpPer_), flag(ckKpFix_));
    p.frequency =
        payFrequencyOfFlags(optWeek_->isChecked() ? 1 : 0, optBiWeek_->isChecked() ? 1 : 0);
    std::array<std::string*, 5> captions{&p.CreditLabel, &p.BondLabel, &p.DuesLabel,
                                         &p.PensionLabel, &p.MiscLabel};
    for (int i = 0; i < 5; ++i) *captions[i] = fromQt(captionBoxes_[i]->text());
    return true;
}

bool EmployeeDialog::takeOver() {
    // Into a copy first, so a refused box leaves the whole profile as it was.
    EmployeeProfile p = ctx_.profile;
    if (!readProfile(p)) return false;
    ctx_.profile = p;
    showEmployeeInWindow(ctx_);
    return true;
}

void EmployeeDialog::save() {
    if (!takeOver()) return;
    if (!runShowingErrors(this, [&] { saveEmployeeFileSet(ctx_); })) return;
    if (saveUser_()) accept();
}

}  // namespace corvanta::ui
