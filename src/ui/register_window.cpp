#include "ui/register_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "export/register_workbook.h"
#include "session/company/company_file.h"
#include "session/payroll/payroll_folder.h"
#include "session/payroll/register_report.h"
#include "ui/message_box.h"
#include "ui/select_on_focus.h"
#include "ui/shown_path.h"

namespace corvanta::ui {
namespace {

constexpr int kYear = 2008;

QPushButton* addButton(QBoxLayout* row, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    row->addWidget(button);
    return button;
}

QTableWidget* makeTable(const QString& name) {
    auto* table = new QTableWidget;
    table->setObjectName(name);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

// Amounts and counts line up on the right, as on the printout's columns.
bool isFigure(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789,.-") == std::string::npos;
}

RegisterSpan spanAt(int index) {
    switch (index) {
        case 1:
            return RegisterSpan::Quarter;
        case 2:
            return RegisterSpan::Year;
        default:
            return RegisterSpan::Week;
    }
}

}  // namespace

RegisterWindow::RegisterWindow(const PayrollContext& ctx, const DesktopServices& desktop,
                               QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx), desktop_(desktop) {
    setObjectName("frmRegister");
    setWindowTitle("Payroll Register");
    auto* layout = new QVBoxLayout(this);

    auto* choice = new QHBoxLayout;
    auto* spanLabel = new QLabel("&Register of");
    cboSpan_ = new QComboBox;
    cboSpan_->setObjectName("cboSpan");
    cboSpan_->addItems({"Week", "Quarter", "Year"});
    spanLabel->setBuddy(cboSpan_);
    cboPeriod_ = new QComboBox;
    cboPeriod_->setObjectName("cboPeriod");
    // A week label can be typed as well as chosen: the ledgers' labels are free text.
    cboPeriod_->setEditable(true);
    cboPeriod_->setMinimumContentsLength(12);
    SelectOnFocus::install(cboPeriod_);
    choice->addWidget(spanLabel);
    choice->addWidget(cboSpan_);
    choice->addWidget(cboPeriod_);
    QPushButton* show = addButton(choice, "cmdShow", "&Show");
    show->setDefault(true);
    choice->addStretch();
    layout->addLayout(choice);

    lblSource_ = new QLabel;
    lblSource_->setObjectName("lblSource");
    layout->addWidget(lblSource_);

    auto* split = new QSplitter(Qt::Vertical);
    grdRegister_ = makeTable("grdRegister");
    grdForms_ = makeTable("grdForms");
    auto* checksPane = new QWidget;
    auto* checksLayout = new QVBoxLayout(checksPane);
    checksLayout->setContentsMargins(0, 0, 0, 0);
    lblChecks_ = new QLabel;
    lblChecks_->setObjectName("lblChecks");
    lstChecks_ = new QListWidget;
    lstChecks_->setObjectName("lstChecks");
    checksLayout->addWidget(lblChecks_);
    checksLayout->addWidget(lstChecks_);
    split->addWidget(grdRegister_);
    split->addWidget(grdForms_);
    split->addWidget(checksPane);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setStretchFactor(2, 1);
    layout->addWidget(split, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* print = addButton(buttons, "cmdPrint", "&Print");
    QPushButton* excel = addButton(buttons, "cmdExcel", "&Excel");
    QPushButton* close = addButton(buttons, "cmdClose", "&Close");
    layout->addLayout(buttons);

    connect(cboSpan_, &QComboBox::activated, this, [this] { chooseSpan(); });
    connect(cboPeriod_, &QComboBox::activated, this, [this] { showRegister(); });
    connect(show, &QPushButton::clicked, this, [this] { showRegister(); });
    connect(print, &QPushButton::clicked, this, [this] { printRegister(); });
    connect(excel, &QPushButton::clicked, this, [this] { exportWorkbook(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    resize(1000, 640);
    chooseSpan();
}

void RegisterWindow::chooseSpan() {
    const RegisterSpan span = spanAt(cboSpan_->currentIndex());
    cboPeriod_->clear();
    if (span == RegisterSpan::Week) {
        std::vector<std::string> weeks;
        runShowingErrors(this, [&] { weeks = postedWeeks(readPayrollFolder(ctx_.folder)); });
        for (const std::string& w : weeks) cboPeriod_->addItem(toQt(w));
    } else if (span == RegisterSpan::Quarter) {
        for (int q = 1; q <= 4; ++q) cboPeriod_->addItem(QString("%1Q%2").arg(kYear).arg(q));
    } else {
        cboPeriod_->addItem(QString::number(kYear));
    }
    // The latest week posted, the first quarter, the year.
    if (span == RegisterSpan::Week) cboPeriod_->setCurrentIndex(cboPeriod_->count() - 1);
    showRegister();
}

void RegisterWindow::showRegister() {
    shown_.reset();
    grdRegister_->setRowCount(0);
    grdForms_->setRowCount(0);
    lstChecks_->clear();
    lblChecks_->clear();
    const std::string period = fromQt(cboPeriod_->currentText());
    if (period.empty()) {
        lblSource_->setText("No week is posted in the ledgers of " + toQt(ctx_.folder.string()));
        return;
    }
    std::size_t employees = 0;
    const bool read = runShowingErrors(this, [&] {
        const std::vector<EmployeeBooks> books = readPayrollFolder(ctx_.folder);
        employees = books.size();
        shown_ = buildRegister(books, registerPeriod(spanAt(cboSpan_->currentIndex()), period),
                               companyOfFolder(ctx_.folder).deposits);
    });
    if (!read) return;
    lblSource_->setText(QString("From the saved ledgers of %1 employees in %2")
                            .arg(employees)
                            .arg(toQt(shownPath(ctx_.folder).string())));
    showTable(grdRegister_, registerTable(*shown_), true);
    const RegisterTable forms = formsTable(*shown_);
    // Only the year's W-2 table has a heading row; the week's liabilities and the 941 do not.
    showTable(grdForms_, forms, shown_->period.span == RegisterSpan::Year);
    grdForms_->setVisible(!forms.empty());
    const std::vector<std::string> checks = checkLines(*shown_);
    for (const std::string& c : checks) lstChecks_->addItem(toQt(c));
    lblChecks_->setText(checks.empty()
                            ? QString("Checks: every ledger adds up.")
                            : QString("Checks: %1 to look at in the ledgers.").arg(checks.size()));
}

void RegisterWindow::showTable(QTableWidget* table,
                               const std::vector<std::vector<std::string>>& rows, bool headed) {
    std::size_t columns = 0;
    for (const auto& r : rows) columns = std::max(columns, r.size());
    table->setColumnCount(static_cast<int>(columns));
    const std::size_t first = headed && !rows.empty() ? 1 : 0;
    QStringList headings;
    for (std::size_t c = 0; c < columns; ++c) {
        headings << (first == 1 && c < rows[0].size() ? toQt(rows[0][c]) : QString());
    }
    table->setHorizontalHeaderLabels(headings);
    table->horizontalHeader()->setVisible(first == 1);
    table->setRowCount(static_cast<int>(rows.size() - first));
    for (std::size_t r = first; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            auto* item = new QTableWidgetItem(toQt(rows[r][c]));
            if (c > 0 && isFigure(rows[r][c])) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            table->setItem(static_cast<int>(r - first), static_cast<int>(c), item);
        }
    }
}

QString RegisterWindow::proposedFile(const QString& extension) const {
    const std::string title = shown_ ? shown_->period.title : std::string("register");
    std::string name = "Register " + title;
    for (char& c : name) {
        if (c == '/' || c == '\\') c = '-';
    }
    return toQt((shownPath(ctx_.folder) / (name + fromQt(extension))).string());
}

void RegisterWindow::printRegister() {
    if (!shown_) return;
    const PayrollRegister reg = *shown_;
    printDocument(
        this, desktop_, [&reg](PrintColumnModel& out) { corvanta::printRegister(reg, out); },
        proposedFile(".pdf"));
}

void RegisterWindow::exportWorkbook() {
    if (!shown_) return;
    const QString path = desktop_.chooseWorkbookFile(this, proposedFile(".xlsx"));
    if (path.isEmpty()) return;
    const PayrollRegister reg = *shown_;
    if (!runShowingErrors(this, [&] {
            writeRegisterWorkbook(reg, std::filesystem::path(fromQt(path)), ctx_.durableWrites);
        })) {
        return;
    }
    showWrittenWorkbook(this, desktop_, path);
}

}  // namespace corvanta::ui
