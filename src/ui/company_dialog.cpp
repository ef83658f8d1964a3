#include "ui/company_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>

#include "session/checks/check_book.h"
#include "session/company/company_checks.h"
#include "session/company/company_file.h"
#include "ui/message_box.h"

namespace corvanta::ui {
namespace {

// The home states in the order of the state dialog's methods; the first entry is the table.
const std::array<std::optional<StateMethodId>, kStateMethodCount + 1>& homeStates() {
    static const std::array<std::optional<StateMethodId>, kStateMethodCount + 1> states{
        std::nullopt,
        StateMethodId::Arizona,
        StateMethodId::Louisiana,
        StateMethodId::Iowa,
        StateMethodId::Missouri,
        StateMethodId::Mass,
        StateMethodId::Oregon,
        StateMethodId::Utah,
        StateMethodId::Alabama,
        StateMethodId::Kentucky,
        StateMethodId::Wisconsin,
        StateMethodId::NC};
    return states;
}

bool holdsEmployees(const std::filesystem::path& folder) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 4 && name.ends_with(".use")) return true;
    }
    return false;
}

}  // namespace

CompanyDialog::CompanyDialog(PayrollContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("DialogCompany");
    setWindowTitle("Company");
    setModal(true);
    try {
        company_ = readCompany(ctx_.folder).value_or(Company{});
    } catch (const UserError& e) {
        // A damaged file is named; saving writes a sound one over it.
        showUserError(parent, e);
    }
    auto* rows = new QVBoxLayout(this);
    auto* intro = new QLabel(
        "The employer: its name, street, city, state, ZIP code and EIN are the four heading "
        "lines of every stub and report. New employees start from its home state and local "
        "tax unless a default group was made with Make Default.",
        this);
    intro->setWordWrap(true);
    rows->addWidget(intro);

    auto* employer = new QGroupBox("Employer", this);
    auto* form = new QFormLayout(employer);
    rows->addWidget(employer);
    const auto line = [&](const std::string& field, const QString& caption, const QString& name,
                          const std::string& text) {
        form->addRow(caption, addLine(field, caption, name, text));
    };
    line(kCompanyNameField, "&Name", "txtCompanyName", company_.name);
    line(kStreetField, "S&treet", "txtStreet", company_.street);
    line(kCityField, "C&ity", "txtCity", company_.city);
    line(kStateField, "St&ate", "txtStateCode", company_.stateCode);
    lines_[kStateField]->setMaxLength(2);
    line(kZipField, "&ZIP code", "txtZip", company_.zip);
    line(kEinField, "&EIN", "txtEin", company_.ein);
    lines_[kEinField]->setPlaceholderText("NN-NNNNNNN");
    line(kStateIdField, "State employer n&umber", "txtStateId", company_.stateEmployerId);

    auto* taxes = new QGroupBox("New employees and deposits", this);
    auto* taxForm = new QFormLayout(taxes);
    rows->addWidget(taxes);
    homeState_ = new QComboBox(taxes);
    homeState_->setObjectName("cboHomeState");
    for (const auto& state : homeStates()) {
        homeState_->addItem(state ? toQt(homeStateName(state)) : "State bracket table");
    }
    localTax_ = new QComboBox(taxes);
    localTax_->setObjectName("cboLocalTax");
    localTax_->addItems({"No local tax", "New York City", "City table"});
    deposits_ = new QComboBox(taxes);
    deposits_->setObjectName("cboDeposits");
    deposits_->addItems({"Monthly", "Semi-weekly"});
    const auto addCombo = [&](const QString& caption, QComboBox* box) {
        auto* label = new QLabel(caption, taxes);
        label->setBuddy(box);
        taxForm->addRow(label, box);
    };
    addCombo("&Home state", homeState_);
    addCombo("&Local tax", localTax_);
    addCombo("&Federal deposits", deposits_);
    shownNextCheck_ = company_.nextCheckNumber;
    try {
        shownNextCheck_ = nextCheckNumber(ctx_.folder);
    } catch (const UserError&) {
        // A damaged register is named where checks are printed or listed; here the company's
        // own number is shown.
    }
    taxForm->addRow("Ne&xt check number", addLine(kNextCheckField, "Ne&xt check number",
                                                  "txtNextCheck", std::to_string(shownNextCheck_)));
    lines_[kNextCheckField]->setMaxLength(8);

    auto* contact = new QGroupBox("Contact for the year-end filings", this);
    auto* contactForm = new QFormLayout(contact);
    rows->addWidget(contact);
    const auto contactLine = [&](const std::string& field, const QString& caption,
                                 const QString& name, const std::string& text) {
        contactForm->addRow(caption, addLine(field, caption, name, text));
    };
    contactLine(kContactNameField, "C&ontact", "txtContactName", company_.contact.name);
    contactLine(kContactPhoneField, "&Phone", "txtContactPhone", company_.contact.phone);
    contactLine(kContactEmailField, "E-&mail", "txtContactEmail", company_.contact.email);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* saveButton = buttons->addButton("&Save", QDialogButtonBox::AcceptRole);
    saveButton->setObjectName("OKButton");
    saveButton->setDefault(true);
    QPushButton* skip = buttons->addButton("S&kip", QDialogButtonBox::RejectRole);
    skip->setObjectName("CancelButton");
    connect(saveButton, &QPushButton::clicked, this, &CompanyDialog::save);
    connect(skip, &QPushButton::clicked, this, &QDialog::reject);
    rows->addWidget(buttons);
    showChoices(company_);
}

QLineEdit* CompanyDialog::addLine(const std::string& field, const QString& caption,
                                  const QString& name, const std::string& text) {
    auto* box = new QLineEdit(toQt(text), this);
    box->setObjectName(name);
    box->setAccessibleName(QString(caption).remove('&'));
    lines_[field] = box;
    return box;
}

void CompanyDialog::showChoices(const Company& company) {
    const auto& states = homeStates();
    const auto at = std::find(states.begin(), states.end(), company.homeStateMethod);
    homeState_->setCurrentIndex(static_cast<int>(at - states.begin()));
    localTax_->setCurrentIndex(static_cast<int>(company.localTax));
    deposits_->setCurrentIndex(static_cast<int>(company.deposits));
}

Company CompanyDialog::edited() const {
    Company c = company_;
    const auto text = [this](const char* field) { return fromQt(lines_.at(field)->text()); };
    c.name = text(kCompanyNameField);
    c.street = text(kStreetField);
    c.city = text(kCityField);
    c.stateCode = text(kStateField);
    c.zip = text(kZipField);
    c.ein = text(kEinField);
    c.stateEmployerId = text(kStateIdField);
    c.homeStateMethod = homeStates().at(static_cast<std::size_t>(homeState_->currentIndex()));
    c.localTax = static_cast<CompanyLocalTax>(localTax_->currentIndex());
    c.deposits = static_cast<DepositSchedule>(deposits_->currentIndex());
    c.contact.name = text(kContactNameField);
    c.contact.phone = text(kContactPhoneField);
    c.contact.email = text(kContactEmailField);
    // Left as shown, the number stays the company's own: the register numbers on past it.
    const std::string next = text(kNextCheckField);
    if (next != std::to_string(shownNextCheck_)) c.nextCheckNumber = checkedCheckNumber(next);
    return c;
}

void CompanyDialog::save() {
    try {
        const Company company = edited();
        if (fromQt(lines_.at(kNextCheckField)->text()) != std::to_string(shownNextCheck_)) {
            requireUnusedCheckNumber(ctx_.folder, company.nextCheckNumber);
        }
        company_ = saveCompany(ctx_, company);
    } catch (const CompanyFieldError& e) {
        showUserError(this, e);
        if (const auto it = lines_.find(e.field()); it != lines_.end()) {
            it->second->setFocus();
            it->second->selectAll();
        }
        return;
    } catch (const UserError& e) {
        showUserError(this, e);
        return;
    }
    emit saved();
    accept();
}

void askForCompanyIfMissing(PayrollContext& ctx, QWidget* parent) {
    // A folder already in use without one is not asked again at every start: Forms, Company
    // is there for it.
    if (hasCompany(ctx.folder) || holdsEmployees(ctx.folder)) return;
    CompanyDialog dialog(ctx, parent);
    dialog.setWindowTitle("Company: set up the employer (or skip for now)");
    dialog.exec();
}

}  // namespace corvanta::ui
