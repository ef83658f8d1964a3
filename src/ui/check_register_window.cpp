#include "ui/check_register_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "base/files/file_io.h"
#include "session/checks/check_book.h"
#include "session/checks/check_register_report.h"
#include "session/checks/check_void.h"
#include "ui/message_box.h"
#include "ui/shown_path.h"

namespace corvanta::ui {
namespace {

constexpr int kAmountColumn = 4;
constexpr int kStateColumn = 6;

QPushButton* addButton(QWidget* window, QBoxLayout* row, const QString& name,
                       const QString& caption) {
    // Made in its window, so its Alt letter is the window's from the start.
    auto* button = new QPushButton(caption, window);
    button->setObjectName(name);
    row->addWidget(button);
    return button;
}

}  // namespace

CheckRegisterWindow::CheckRegisterWindow(PayrollContext& ctx, const DesktopServices& desktop,
                                         std::function<void()> ledgerChanged, QWidget* parent)
    : QWidget(parent, Qt::Window),
      ctx_(ctx),
      desktop_(desktop),
      ledgerChanged_(std::move(ledgerChanged)) {
    setObjectName("frmCheckRegister");
    setWindowTitle("Check Register");
    auto* layout = new QVBoxLayout(this);
    lblNext_ = new QLabel;
    lblNext_->setObjectName("lblNextCheck");
    layout->addWidget(lblNext_);

    grdChecks_ = new QTableWidget;
    grdChecks_->setObjectName("grdChecks");
    grdChecks_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdChecks_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdChecks_->setSelectionMode(QAbstractItemView::SingleSelection);
    grdChecks_->verticalHeader()->hide();
    grdChecks_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grdChecks_->horizontalHeader()->setStretchLastSection(true);
    auto* listLabel = new QLabel("&Checks");
    listLabel->setBuddy(grdChecks_);
    layout->addWidget(listLabel);
    layout->addWidget(grdChecks_, 1);

    auto* buttons = new QHBoxLayout;
    QPushButton* voidButton = addButton(this, buttons, "cmdVoid", "&Void...");
    buttons->addStretch();
    QPushButton* refresh = addButton(this, buttons, "cmdRefresh", "Re&fresh");
    QPushButton* print = addButton(this, buttons, "cmdPrint", "&Print");
    QPushButton* csv = addButton(this, buttons, "cmdExport", "E&xport CSV...");
    QPushButton* close = addButton(this, buttons, "cmdClose", "Cl&ose");
    layout->addLayout(buttons);

    connect(voidButton, &QPushButton::clicked, this, [this] { voidChosen(); });
    connect(refresh, &QPushButton::clicked, this, [this] { showChecks(); });
    connect(print, &QPushButton::clicked, this, [this] { printChecks(); });
    connect(csv, &QPushButton::clicked, this, [this] { exportCsv(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    resize(820, 480);
    showChecks();
}

void CheckRegisterWindow::showChecks() {
    shown_.reset();
    grdChecks_->clear();
    grdChecks_->setRowCount(0);
    lblNext_->clear();
    std::int64_t next = 0;
    const bool read = runShowingErrors(this, [&] {
        shown_ = readCheckRegister(ctx_.folder);
        next = nextCheckNumber(ctx_.folder);
    });
    if (!read) {
        lblNext_->setText(QString("The check register of %1 cannot be read.")
                              .arg(toQt(shownPath(ctx_.folder).string())));
        return;
    }
    lblNext_->setText(QString("%1 checks in %2. The next check is number %3.")
                          .arg(shown_->checks.size())
                          .arg(toQt(shownPath(ctx_.folder).string()))
                          .arg(next));
    const CheckRegisterTable table = checkRegisterTable(*shown_);
    QStringList headings;
    for (const std::string& h : table.front()) headings << toQt(h);
    grdChecks_->setColumnCount(static_cast<int>(headings.size()));
    grdChecks_->setHorizontalHeaderLabels(headings);
    grdChecks_->setRowCount(static_cast<int>(table.size() - 1));
    for (std::size_t r = 1; r < table.size(); ++r) {
        for (std::size_t c = 0; c < table[r].size(); ++c) {
            auto* item = new QTableWidgetItem(toQt(table[r][c]));
            if (c == 0 || c == kAmountColumn) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            // A void check stays listed under its number, struck through.
            if (c == kStateColumn && table[r][c] == checkStateName(CheckState::Void)) {
                QFont struck = item->font();
                struck.setStrikeOut(true);
                item->setFont(struck);
            }
            grdChecks_->setItem(static_cast<int>(r - 1), static_cast<int>(c), item);
        }
    }
    if (grdChecks_->rowCount() > 0) grdChecks_->selectRow(grdChecks_->rowCount() - 1);
}

std::optional<std::int64_t> CheckRegisterWindow::chosenNumber() const {
    const int row = grdChecks_->currentRow();
    if (row < 0 || grdChecks_->item(row, 0) == nullptr) return std::nullopt;
    return grdChecks_->item(row, 0)->text().toLongLong();
}

int CheckRegisterWindow::zeroRowOf(const IssuedCheck& check) {
    // The employee open in the calculator window is changed there, so its ledger in memory
    // and the file stay one.
    if (ctx_.UserFileBase == check.employee && !ctx_.UserFileBase.empty()) {
        const int row = zeroPaidRow(ctx_, check);
        if (ledgerChanged_) ledgerChanged_();
        return row;
    }
    return zeroPaidRow(ctx_.folder, check, ctx_.showMessage);
}

void CheckRegisterWindow::voidChosen() {
    const std::optional<std::int64_t> number = chosenNumber();
    if (!number || !shown_) return;
    const IssuedCheck* check = shown_->find(*number);
    if (check == nullptr) return;
    if (check->isVoid()) {
        showUserError(this, UserError("Check " + std::to_string(*number) + " is void already.",
                                      "Void Check"));
        return;
    }
    QMessageBox box(
        QMessageBox::Question, "Void Check",
        toQt("Void check " + std::to_string(check->number) + " to " + check->payee + " for " +
             centsText(check->cents) + "?\n\nZero the row of " + check->employee +
             "'s ledger that it paid (week " + check->week + ") as well?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    box.setObjectName("msgVoidCheck");
    box.setDefaultButton(QMessageBox::No);
    const int answer = box.exec();
    if (answer == QMessageBox::Cancel) return;
    std::function<int(const IssuedCheck&)> zero;
    if (answer == QMessageBox::Yes) zero = [this](const IssuedCheck& c) { return zeroRowOf(c); };
    std::optional<VoidedCheck> done;
    runShowingErrors(this,
                     [&] { done = voidCheck(ctx_.folder, *number, ctx_.durableWrites, zero); });
    showChecks();
    if (done && !done->ledgerFailure.empty()) {
        showUserError(this, UserError("Check " + std::to_string(*number) +
                                          " is void, but the ledger row was not zeroed: " +
                                          done->ledgerFailure,
                                      "Void Check"));
    }
}

void CheckRegisterWindow::printChecks() {
    if (!shown_) return;
    const CheckRegister reg = *shown_;
    printDocument(
        this, desktop_, [&reg](PrintColumnModel& out) { printCheckRegister(reg, out); },
        toQt((shownPath(ctx_.folder) / "Check register.pdf").string()));
}

void CheckRegisterWindow::exportCsv() {
    if (!shown_ || !desktop_.chooseCsvFile) return;
    const QString path = desktop_.chooseCsvFile(
        this, toQt((shownPath(ctx_.folder) / "Check register.csv").string()));
    if (path.isEmpty()) return;
    const std::string csv = checkRegisterCsv(*shown_);
    runShowingErrors(this, [&] {
        writeFileAtomically(std::filesystem::path(fromQt(path)), csv, ctx_.durableWrites);
    });
}

}  // namespace corvanta::ui
