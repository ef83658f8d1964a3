#pragma once

#include <QDialog>
#include <cstdint>
#include <map>
#include <string>

#include "records/company/company.h"
#include "session/core/payroll_context.h"

class QComboBox;
class QLineEdit;

namespace corvanta::ui {

// Forms, "&Company...": the employer's name, address and numbers (the heading's four lines),
// the home state and local tax new employees start with, the deposit schedule, the next check
// number and the year-end filings' contact. "&Save" checks and writes "Company.sav"; a field it
// refuses is named in the message and takes the focus, and nothing is written. "S&kip" closes it.
class CompanyDialog : public QDialog {
    Q_OBJECT
  public:
    CompanyDialog(PayrollContext& ctx, QWidget* parent);

  signals:
    void saved();

  private:
    QLineEdit* addLine(const std::string& field, const QString& caption, const QString& name,
                       const std::string& text);
    void showChoices(const Company& company);
    [[nodiscard]] Company edited() const;
    void save();

    PayrollContext& ctx_;
    Company company_;
    std::int64_t shownNextCheck_ = 1001;       // the next check number as the dialog opened
    std::map<std::string, QLineEdit*> lines_;  // by the field names the checks use
    QComboBox* homeState_ = nullptr;
    QComboBox* localTax_ = nullptr;
    QComboBox* deposits_ = nullptr;
};

// On the first start in a folder without a company (and without employees yet): the dialog,
// which may be skipped.
void askForCompanyIfMissing(PayrollContext& ctx, QWidget* parent);

}  // namespace corvanta::ui
