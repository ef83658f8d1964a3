#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "session/core/payroll_context.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QGridLayout;
class QLineEdit;
class QRadioButton;

namespace corvanta::ui {

// The employee information dialog `frmTaxInfo`, "User Info". It shows the profile as loaded
// and takes the boxes over into it on "Save"; "Close" leaves the profile as it was.
class EmployeeDialog : public QDialog {
    Q_OBJECT
  public:
    // `saveUser` is the save window's "&Save" for the current name; false when it failed.
    EmployeeDialog(PayrollContext& ctx, std::function<bool()> saveUser, QWidget* parent);

    // Copies every box into the profile. A rate box or the state exemption count that is not
    // a number is refused with a message naming it, and the profile is then unchanged.
    bool takeOver();

  private:
    QWidget* buildPerson();
    QWidget* buildPay();
    QWidget* buildStatus();
    QWidget* buildExemptions();
    QWidget* buildDeductions();
    QWidget* buildButtons();
    QLineEdit* addText(QFormLayout* form, const QString& caption, const QString& name);
    QLineEdit* addAmount(QGridLayout* grid, int row, int column, const QString& name);
    QComboBox* addCombo(const QStringList& items, const QString& name, const QString& tooltip,
                        bool editable);
    QCheckBox* addCheck(const QString& caption, const QString& name);
    void showProfile();
    bool readProfile(EmployeeProfile& p);
    std::optional<int> exemptionCount(QComboBox* box, const char* which);
    std::optional<float> strictBox(QLineEdit* box, const char* caption);
    bool storableBoxes();
    std::optional<float> leadingBox(QLineEdit* box, const char* caption);
    void save();

    PayrollContext& ctx_;
    std::function<bool()> saveUser_;
    QLineEdit *txtName_{}, *txtAddress_{}, *txtStateCityZip_{}, *txtSSnum_{};
    QLineEdit *txtHourRate_{}, *txtHourRate2_{}, *txtTipsRate_{}, *txtFedAddL_{};
    QComboBox *cboStatus_{}, *cboDepend_{}, *cboStatus2_{}, *cboDepend2_{};
    QCheckBox *ckFedExemp_{}, *ckSSMediExemp_{}, *ckSelfEmp_{}, *ckNonCity_{};
    QRadioButton *optWeek_{}, *optBiWeek_{};
    QLineEdit *txtCafe_{}, *txtKplan_{};
    QCheckBox *ckCafeState_{}, *ckKpPer_{}, *ckKpFix_{};
    QLineEdit *txtMuni_{}, *txtBond_{}, *txtDues_{}, *txtPension_{}, *txtMisc_{};
    std::array<QLineEdit*, 5> captionBoxes_{};
};

}  // namespace corvanta::ui
