#include "ui/year_end_window.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/files/file_io.h"
#include "records/print/text_page.h"
#include "session/company/company_file.h"
#include "session/forms/efw2_file.h"
#include "session/forms/form_printouts.h"
#include "session/payroll/payroll_folder.h"
#include "ui/message_box.h"
#include "ui/shown_path.h"

namespace corvanta::ui {
namespace {

constexpr int kYear = 2008;

// The printout of a form, made again from the folder each time it is shown or printed.
PrintProducer producerFor(int form, const std::filesystem::path& folder,
                          const std::string& period) {
    const Company company = companyOfFolder(folder);
    const std::vector<EmployeeBooks> books = readPayrollFolder(folder);
    if (form == 2) {
        const PayrollRegister reg =
            buildRegister(books, registerPeriod(RegisterSpan::Quarter, period), company.deposits);
        return [reg, company](PrintColumnModel& out) { print941Worksheet(reg, company, out); };
    }
    const YearFilings filings = yearFilings(books, kYear, company);
    switch (form) {
        case 0:
            // On paper the copies follow one another, a line between them to cut along.
            return [filings](PrintColumnModel& out) {
                bool first = true;
                printW2Copies(filings, out, [&out, &first] {
                    if (!first) {
                        out.write(std::string(80, '-'));
                        out.endLine();
                    }
                    first = false;
                });
            };
        case 1:
            return [filings](PrintColumnModel& out) { printW3(filings, out); };
        default:
            return [filings](PrintColumnModel& out) { print940Worksheet(filings, out); };
    }
}

}  // namespace

YearEndWindow::YearEndWindow(const PayrollContext& ctx, const DesktopServices& desktop,
                             QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx), desktop_(desktop) {
    setObjectName("frmYearEnd");
    setWindowTitle("Year-End Forms");
    cboForm_ = new QComboBox(this);
    cboForm_->setObjectName("cboForm");
    cboForm_->addItems({"W-2, copies B, C and 2", "W-3 totals", "941 worksheet", "940 worksheet",
                        "Wage file (EFW2)"});
    cboPeriod_ = new QComboBox(this);
    cboPeriod_->setObjectName("cboPeriod");
    txtUserId_ = new QLineEdit(this);
    txtUserId_->setObjectName("txtUserId");
    txtUserId_->setMaxLength(8);
    txtPreview_ = new QPlainTextEdit(this);
    txtPreview_->setObjectName("txtPreview");
    txtPreview_->setReadOnly(true);
    txtPreview_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtPreview_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* formLabel = new QLabel("F&orm:", this);
    formLabel->setBuddy(cboForm_);
    auto* periodLabel = new QLabel("P&eriod:", this);
    periodLabel->setBuddy(cboPeriod_);
    auto* userLabel = new QLabel("Submitter's &User ID:", this);
    userLabel->setBuddy(txtUserId_);
    auto* show = new QPushButton("&Show", this);
    show->setObjectName("cmdShow");
    auto* print = new QPushButton("&Print or Save...", this);
    print->setObjectName("cmdPrint");
    auto* close = new QPushButton("&Close", this);
    close->setObjectName("cmdClose");
    auto* choices = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{formLabel, cboForm_, periodLabel, cboPeriod_,
                                                      userLabel, txtUserId_}) {
        choices->addWidget(w);
    }
    choices->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(show);
    buttons->addWidget(print);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(txtPreview_, 1);
    layout->addLayout(buttons);
    connect(cboForm_, &QComboBox::activated, this, [this] { chooseForm(); });
    connect(show, &QPushButton::clicked, this, [this] { showPreview(); });
    connect(print, &QPushButton::clicked, this, [this] { printOrSave(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    resize(900, 640);
    chooseForm();
}

YearEndWindow::Form YearEndWindow::chosenForm() const {
    return static_cast<Form>(cboForm_->currentIndex());
}

std::string YearEndWindow::chosenPeriod() const { return fromQt(cboPeriod_->currentText()); }

void YearEndWindow::chooseForm() {
    cboPeriod_->clear();
    if (chosenForm() == Form::Worksheet941) {
        for (int q = 1; q <= 4; ++q) cboPeriod_->addItem(QString("%1Q%2").arg(kYear).arg(q));
    } else {
        cboPeriod_->addItem(QString::number(kYear));
    }
    txtUserId_->setEnabled(chosenForm() == Form::Efw2);
    showPreview();
}

std::string YearEndWindow::formText() const {
    if (chosenForm() == Form::Efw2) {
        const YearFilings filings =
            yearFilings(readPayrollFolder(ctx_.folder), kYear, companyOfFolder(ctx_.folder));
        return efw2File(filings, fromQt(txtUserId_->text()));
    }
    TextPage page;
    producerFor(static_cast<int>(chosenForm()), ctx_.folder, chosenPeriod())(page);
    return page.text();
}

void YearEndWindow::showPreview() {
    std::string text;
    if (!runShowingErrors(this, [&] {
            try {
                text = formText();
            } catch (const UserError& e) {
                // What the wage file is missing is the preview itself, not an error box.
                if (chosenForm() != Form::Efw2) throw;
                text = e.what();
            }
        })) {
        txtPreview_->clear();
        return;
    }
    txtPreview_->setPlainText(toQt(text));
}

void YearEndWindow::printOrSave() {
    if (chosenForm() != Form::Efw2) {
        PrintProducer produce;
        if (!runShowingErrors(this, [&] {
                produce = producerFor(static_cast<int>(chosenForm()), ctx_.folder, chosenPeriod());
            })) {
            return;
        }
        printDocument(this, desktop_, produce,
                      toQt(shownPath(ctx_.folder / ("Forms " + chosenPeriod() + ".pdf")).string()));
        return;
    }
    std::string file;
    // The wage file is made whole, every field checked, before the operator is asked where.
    if (!runShowingErrors(this, [&] { file = formText(); })) return;
    if (!desktop_.chooseWageFile) return;
    const QString path =
        desktop_.chooseWageFile(this, toQt(shownPath(ctx_.folder / "W2REPORT").string()));
    if (path.isEmpty()) return;
    runShowingErrors(this, [&] {
        writeFileAtomically(std::filesystem::path(fromQt(path)), file, ctx_.durableWrites);
    });
}

}  // namespace corvanta::ui
