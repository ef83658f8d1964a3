#include "ui/ledger_window.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "session/ytd/ledger_file.h"
#include "session/ytd/ledger_ops.h"
#include "ui/ledger_grid.h"
#include "ui/ledger_totals.h"
#include "ui/message_box.h"
#include "ui/screen_fit.h"

namespace corvanta::ui {

LedgerWindow::LedgerWindow(PayrollContext& ctx, const DesktopServices& desktop, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), desktop_(desktop) {
    setObjectName("MDIForm1");
    setWindowTitle("Year To Date");
    auto* central = new QWidget(this);
    auto* rows = new QVBoxLayout(central);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    grid_ = new LedgerGrid(ctx_, central);
    rows->addWidget(grid_, 1);
    rows->addWidget(buildTotalsStrip(central));
    setCentralWidget(central);
    buildMenus();
    connect(grid_, &LedgerGrid::postWanted, this, &LedgerWindow::postRow);
    connect(grid_, &LedgerGrid::zeroWanted, this, &LedgerWindow::zeroRow);
    connect(grid_, &LedgerGrid::updateWanted, this, &LedgerWindow::addTotals);
    connect(grid_, &LedgerGrid::closeWanted, this, &LedgerWindow::closeLedger);
    refresh();
}

QWidget* LedgerWindow::buildTotalsStrip(QWidget* parent) {
    // The strip scrolls sideways with the grid rather than widening the window past the
    // screen, so its boxes stay under the grid's columns.
    auto* scroll = new QScrollArea(parent);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    totals_ = new LedgerTotals(ctx_, scroll);
    totals_->setMinimumWidth(grid_->fullSize().width());
    scroll->setWidget(totals_);
    scroll->setFixedHeight(totals_->sizeHint().height());
    connect(grid_->sidewaysBar(), &QScrollBar::valueChanged, scroll->horizontalScrollBar(),
            &QScrollBar::setValue);
    return scroll;
}

void LedgerWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    addMenuAction(bar, "mnuAdd", "&Add", &LedgerWindow::addTotals);
    addMenuAction(bar, "mnuExcel", "&Excel", &LedgerWindow::exportWorkbook);
    QMenu* clear = bar->addMenu("C&lear");
    clear->setObjectName("mnuClear");
    clear->menuAction()->setObjectName("mnuClear");
    addMenuAction(clear, "mnuClearAll", "&Clear All", &LedgerWindow::clearAll);
    addMenuAction(bar, "mnuClose", "&Close", &LedgerWindow::closeLedger);
    addMenuAction(bar, "mnuPrint", "&Print", &LedgerWindow::printLedger);
}

QAction* LedgerWindow::addMenuAction(QWidget* menu, const QString& name, const QString& caption,
                                     void (LedgerWindow::*command)()) {
    auto* action = new QAction(caption, menu);
    action->setObjectName(name);
    menu->addAction(action);
    connect(action, &QAction::triggered, this, command);
    return action;
}

bool LedgerWindow::openLedger() {
    closePermitted_ = false;
    if (!runEngine([this] { LoadLedger(ctx_); })) return false;
    runEngine([this] {
        showLedgerGrid(ctx_.ledger, ctx_.profile);
        Update(ctx_);
        AddAnnual(ctx_);
    });
    refresh();
    sizeForFrequency();
    showNormal();
    keepOnScreen(this);
    raise();
    activateWindow();
    return true;
}

void LedgerWindow::refresh() {
    grid_->refresh();
    totals_->refresh();
}

// Every row in use and the totals, within nine tenths of the screen's height.
QSize LedgerWindow::sizeHint() const {
    const QSize grid = grid_->fullSize();
    const QSize totals = totals_->sizeHint();
    const QSize wanted(std::max(grid.width(), totals.width()),
                       grid.height() + totals.height() + menuBar()->sizeHint().height());
    const QRect room = screen()->availableGeometry();
    return wanted.boundedTo(QSize(room.width(), room.height() * 9 / 10));
}

void LedgerWindow::sizeForFrequency() { resize(sizeHint()); }

void LedgerWindow::discard() {
    closePermitted_ = true;
    close();
}

void LedgerWindow::closeEvent(QCloseEvent* event) {
    if (closePermitted_) {
        closePermitted_ = false;
        event->accept();
        return;
    }
    // Only the Close commands ask whether to save the ledger.
    showUserMessage(this, {"USE CLOSE INSTEAD"});
    refresh();
    event->ignore();
}

}  // namespace corvanta::ui
