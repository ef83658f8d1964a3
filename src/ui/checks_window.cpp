#include "ui/checks_window.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QVBoxLayout>

#include "session/checks/check_book.h"
#include "session/print/amount_words.h"
#include "ui/print_offset_dialog.h"

namespace corvanta::ui {
namespace {

QLabel* caption(QGridLayout* grid, const QString& text, int row, int column,
                Qt::Alignment align = Qt::AlignRight | Qt::AlignVCenter) {
    auto* label = new QLabel(text, grid->parentWidget());
    grid->addWidget(label, row, column, align);
    return label;
}

// The pale tint of check paper, so the window reads as the form it stands for.
void paintAsPaper(QFrame* face) {
    face->setFrameShape(QFrame::Box);
    face->setAutoFillBackground(true);
    QPalette palette = face->palette();
    palette.setColor(QPalette::Window, QColor(226, 240, 228));
    face->setPalette(palette);
}

}  // namespace

ChecksWindow::ChecksWindow(PayrollContext& ctx, const DesktopServices& desktop,
                           std::function<bool()> prepareLedger, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), desktop_(desktop), prepareLedger_(std::move(prepareLedger)) {
    setObjectName("frmChecks");
    setWindowTitle("Check Printing");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* central = new QWidget(this);
    auto* rows = new QVBoxLayout(central);
    rows->addWidget(buildFace());
    setCentralWidget(central);
    // A click anywhere but the menu refills the check; boxes take their clicks themselves.
    central->installEventFilter(this);
    for (QLineEdit* box : central->findChildren<QLineEdit*>()) box->installEventFilter(this);
    QAction* print = menuBar()->addAction("&Print", this, &ChecksWindow::openOffsetDialog);
    print->setObjectName("mnuPrintCheck");
    loadCheck();
    cells_.show();
    showNextNumber();
}

// The number the check will carry unless it is a reprint, which keeps its own.
void ChecksWindow::showNextNumber() {
    try {
        lblCheckNumber_->setText(QString("No. %1").arg(nextCheckNumber(ctx_.folder)));
    } catch (const UserError&) {
        // A damaged register is named when the check is printed.
        lblCheckNumber_->clear();
    }
}

// The window's load: a new check, dated with the pay period, without the memo of another.
void ChecksWindow::loadCheck() {
    loadCheckWindow(ctx_);
    ctx_.check.txtMemo.clear();
}

QLineEdit* ChecksWindow::addBox(QGridLayout* grid, const QString& name, std::string* text, int row,
                                int column, int columnSpan) {
    auto* box = new QLineEdit(grid->parentWidget());
    box->setObjectName(name);
    grid->addWidget(box, row, column, 1, columnSpan);
    cells_.bind(box, text);
    return box;
}

QWidget* ChecksWindow::buildFace() {
    auto* face = new QFrame(this);
    face->setObjectName("checkFace");
    paintAsPaper(face);
    auto* grid = new QGridLayout(face);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(12);
    CheckWindow& c = ctx_.check;
    addBox(grid, "txtCheckCompany", &c.txtCheckCompany, 0, 0, 2);
    lblCheckNumber_ = caption(grid, QString(), 0, 2);
    lblCheckNumber_->setObjectName("lblCheckNumber");
    caption(grid, "DATE", 0, 3);
    addBox(grid, "txtCheckDate", &c.txtCheckDate, 0, 4);
    caption(grid, "PAY TO THE ORDER OF", 1, 0, Qt::AlignLeft | Qt::AlignVCenter);
    addBox(grid, "txtPayTo", &c.txtPayTo, 1, 1, 2);
    caption(grid, "$", 1, 3);
    addBox(grid, "txtCheckAmt", &c.txtCheckAmt, 1, 4)->setAlignment(Qt::AlignRight);
    addBox(grid, "txtDollars", &c.txtDollars, 2, 0, 4);
    caption(grid, "DOLLARS", 2, 4, Qt::AlignLeft | Qt::AlignVCenter);
    // The employee block sits where the window envelope shows it.
    addBox(grid, "txtUserName", &c.txtUserName, 3, 1);
    addBox(grid, "txtUserSSnum", &c.txtUserSSnum, 3, 2);
    addBox(grid, "txtUserAddress", &c.txtUserAddress, 4, 1);
    caption(grid, "Change on Previous Form", 4, 2, Qt::AlignLeft | Qt::AlignVCenter);
    addBox(grid, "txtUserState", &c.txtUserState, 5, 1);
    caption(grid, "MEMO", 6, 0);
    addBox(grid, "txtMemo", &c.txtMemo, 6, 1);
    auto* signature = new QFrame(face);
    signature->setFrameShape(QFrame::HLine);
    grid->addWidget(signature, 6, 3, 1, 2, Qt::AlignBottom);
    grid->setColumnMinimumWidth(1, 260);
    grid->setColumnMinimumWidth(2, 170);
    grid->setColumnMinimumWidth(4, 130);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 1);
    return face;
}

void ChecksWindow::refresh() {
    if (ctx_.check.loaded) {
        refreshCheckWindow(ctx_);
    } else {
        loadCheck();
    }
    cells_.show();
    showNextNumber();
    if (offsetDialog_ != nullptr) offsetDialog_->refresh();
}

void ChecksWindow::openOffsetDialog() {
    if (offsetDialog_ == nullptr) {
        offsetDialog_ = new PrintOffsetDialog(ctx_, desktop_, prepareLedger_, this);
    }
    offsetDialog_->show();
    offsetDialog_->raise();
    offsetDialog_->activateWindow();
}

bool ChecksWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) refresh();
    return QMainWindow::event(event);
}

bool ChecksWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) refresh();
    return QMainWindow::eventFilter(watched, event);
}

void ChecksWindow::closeEvent(QCloseEvent* event) {
    // A check printed from elsewhere later is filled afresh, as a new window would be.
    ctx_.check.loaded = false;
    event->accept();
}

}  // namespace corvanta::ui
