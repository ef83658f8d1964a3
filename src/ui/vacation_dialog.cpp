#include "ui/vacation_dialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "ui/cell_factory.h"
#include "ui/elided_label.h"
#include "ui/help_file.h"
#include "ui/help_window.h"
#include "ui/message_box.h"
#include "ui/numeric_key_filter.h"
#include "ui/screen_fit.h"
#include "ui/select_on_focus.h"

namespace corvanta::ui {
namespace {

// One kind of leave: its frame, the names of its controls and its texts in the record.
struct LeaveFrame {
    LeaveKind kind;
    const char* caption;
    const char* startName;
    const char* balanceName;
    const char* dateName;
    const char* takenName;
    std::string LeaveDialog::*start;
    std::string LeaveDialog::*balance;
    LeaveDialog::Column LeaveDialog::*dates;
    LeaveDialog::Column LeaveDialog::*taken;
};

const std::array<LeaveFrame, 3> kFrames{{
    {LeaveKind::Vacation, "Vacation", "txtVacBal", "lbVacBal", "txtVdate", "txtVcnt",
     &LeaveDialog::txtVacBal, &LeaveDialog::lbVacBal, &LeaveDialog::txtVdate,
     &LeaveDialog::txtVcnt},
    {LeaveKind::Holiday, "Holiday/Personel", "txtHolBal", "lbHolBal", "txtHdate", "txtHcnt",
     &LeaveDialog::txtHolBal, &LeaveDialog::lbHolBal, &LeaveDialog::txtHdate,
     &LeaveDialog::txtHcnt},
    {LeaveKind::Sick, "Sick", "txtSickBal", "lbSickBal", "txtSdate", "txtScnt",
     &LeaveDialog::txtSickBal, &LeaveDialog::lbSickBal, &LeaveDialog::txtSdate,
     &LeaveDialog::txtScnt},
}};

QLineEdit* addBox(QGridLayout* grid, const QString& name, int row, int column, int width) {
    auto* box = new QLineEdit(grid->parentWidget());
    box->setObjectName(name);
    box->setFixedWidth(width);
    grid->addWidget(box, row, column);
    return box;
}

}  // namespace

VacationDialog::VacationDialog(PayrollContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("DialogVac");
    setWindowTitle("Vacation / Holiday / Sick");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* rows = new QVBoxLayout(this);
    auto* menu = new QMenuBar(this);
    QAction* help =
        menu->addAction("&Help", this, [this] { showHelp(this, ctx_.folder, helpPageFor(this)); });
    help->setObjectName("mnuHelp");
    rows->setMenuBar(menu);
    QScrollArea* scroll = wholeViewScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    QWidget* frames = buildFrames();
    scroll->setWidget(frames);
    rows->addWidget(scroll, 1);
    rows->addWidget(buildButtons());
    fitToScreen(this);
    if (!ctx_.leaveDialog.loaded) {
        runShowingErrors(this, [&] { loadLeaveDialog(ctx_); });
    }
    refresh();
}

QWidget* VacationDialog::buildFrames() {
    auto* panel = new QWidget(this);
    auto* columns = new QHBoxLayout(panel);
    for (int kind = 0; kind < static_cast<int>(kFrames.size()); ++kind) {
        columns->addWidget(buildFrame(kind), 0, Qt::AlignTop);
    }
    columns->addStretch();
    return panel;
}

QWidget* VacationDialog::buildFrame(int kind) {
    const LeaveFrame& f = kFrames[kind];
    LeaveDialog& d = ctx_.leaveDialog;
    auto* frame = new QGroupBox(f.caption, this);
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(2);
    const auto changed = [this, kind] { recompute(kind); };
    grid->addWidget(new QLabel("Start Balance", frame), 0, 0);
    QLineEdit* start = addBox(grid, f.startName, 0, 1, 60);
    start->setAlignment(Qt::AlignRight);
    NumericKeyFilter::install(start);
    cells_.bind(start, &(d.*f.start));
    connect(start, &QLineEdit::textChanged, this, changed);
    grid->addWidget(new QLabel("Balance", frame), 1, 0);
    // A fixed width: a long balance is cut (whole in its tooltip) instead of pushing the next
    // frame out of view.
    const int balanceWidth = frame->fontMetrics().horizontalAdvance("-99,999.99") + 8;
    auto* balance = new ElidedLabel(balanceWidth, frame);
    balance->setObjectName(f.balanceName);
    balance->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    balance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    balance->setFixedWidth(balanceWidth);
    balances_[kind] = balance;
    grid->addWidget(balances_[kind], 1, 1);
    grid->addWidget(new QLabel("Dates", frame), 2, 0);
    grid->addWidget(new QLabel("#Taken", frame), 2, 1);
    for (int i = 0; i < kLeaveEntries; ++i) {
        QLineEdit* date = addBox(grid, f.dateName + QString::number(i), i + 3, 0, 90);
        SelectOnFocus::install(date);
        cells_.bind(date, &(d.*f.dates)[i]);
        QLineEdit* taken = addBox(grid, f.takenName + QString::number(i), i + 3, 1, 60);
        taken->setAlignment(Qt::AlignRight);
        NumericKeyFilter::install(taken);
        cells_.bind(taken, &(d.*f.taken)[i]);
        connect(taken, &QLineEdit::textChanged, this, changed);
    }
    return frame;
}

QWidget* VacationDialog::buildButtons() {
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->addStretch();
    auto button = [&](const QString& caption, const QString& name, void (VacationDialog::*slot)()) {
        connect(addButton(row, caption, name), &QPushButton::clicked, this, slot);
    };
    button("&Clear All", "cmdClear", &VacationDialog::clearAll);
    button("&Save", "OKButton", &VacationDialog::save);
    return panel;
}

void VacationDialog::recompute(int kind) {
    // The box's binding has already written the typed text into the record.
    RecomputeBalance(ctx_.leaveDialog, kFrames[kind].kind);
    balances_[kind]->setWholeText(toQt(ctx_.leaveDialog.*kFrames[kind].balance));
}

void VacationDialog::refresh() {
    cells_.show();
    for (int kind = 0; kind < static_cast<int>(kFrames.size()); ++kind) {
        balances_[kind]->setWholeText(toQt(ctx_.leaveDialog.*kFrames[kind].balance));
    }
}

void VacationDialog::clearAll() {
    clearVac(ctx_);
    refresh();
}

void VacationDialog::save() {
    if (!runShowingErrors(this, [&] { SaveVac(ctx_); })) return;
    close();
    emit committed();
}

void VacationDialog::reject() { close(); }

void VacationDialog::closeEvent(QCloseEvent* event) {
    // The next creation loads the record again, reading the file over unsaved edits.
    ctx_.leaveDialog.loaded = false;
    event->accept();
}

}  // namespace corvanta::ui
