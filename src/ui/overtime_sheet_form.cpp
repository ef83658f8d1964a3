#include "ui/overtime_sheet_form.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "session/files/employee_files.h"
#include "session/side/overtime_sheet_ops.h"
#include "ui/message_box.h"
#include "ui/pay_date_picker.h"
#include "ui/print_file_name.h"

namespace corvanta::ui {
namespace {

// The engine's messages go to the given handler for the length of one command.
class MessageRoute {
  public:
    MessageRoute(PayrollContext& ctx, MessageHandler handler)
        : ctx_(ctx), saved_(std::exchange(ctx.showMessage, std::move(handler))) {}
    ~MessageRoute() { ctx_.showMessage = std::move(saved_); }
    MessageRoute(const MessageRoute&) = delete;
    MessageRoute& operator=(const MessageRoute&) = delete;

  private:
    PayrollContext& ctx_;
    MessageHandler saved_;
};

}  // namespace

OvertimeSheetForm::OvertimeSheetForm(PayrollContext& ctx, const DesktopServices& desktop,
                                     QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx), desktop_(desktop) {
    setObjectName("Form2");
    setWindowTitle("OverTime Percentage");
    setAttribute(Qt::WA_DeleteOnClose);
    loadOvertimeSheet(ctx_);
    auto* page = new QVBoxLayout(this);
    page->addWidget(buildEntries());
    auto* body = new QHBoxLayout;
    body->addWidget(buildRows(), 1);
    auto* side = new QVBoxLayout;
    side->addWidget(buildResults());
    side->addWidget(buildButtons());
    side->addStretch();
    body->addLayout(side);
    page->addLayout(body, 1);
    refresh();
}

void OvertimeSheetForm::refresh() {
    const OvertimeSheetWindow& w = ctx_.overtimeWindow;
    cells_.show();
    lbEarned_->setText(toQt(w.lbEarned));
    lbMax_->setText(toQt(w.lbMax));
    lbAvail_->setText(toQt(w.lbAvail));
    lbSalaryHint_->setText(toQt(w.salaryHint));
    lbWk_->setText(toQt(ctx_.window.txtWeek));
    lbOT_->setText(toQt(ctx_.window.lbOverT));
    fitToRows();
}

int OvertimeSheetForm::lastRow() const { return rowsInUse(ctx_.profile) - 1; }

void OvertimeSheetForm::fitToRows() {
    const int rows = rowsInUse(ctx_.profile);
    if (rows == rowsShown_) return;
    rowsShown_ = rows;
    laterRows_->setVisible(rows > kOvertimeRows / 2);
    // The rows scroll only up and down, so the area is as wide as the rows it shows.
    QWidget* panel = scroll_->widget();
    panel->layout()->activate();
    scroll_->setMinimumWidth(panel->sizeHint().width() +
                             scroll_->verticalScrollBar()->sizeHint().width() +
                             2 * scroll_->frameWidth());
    adjustSize();
}

void OvertimeSheetForm::runTotal(bool automatic) {
    if (totalling_) return;
    totalling_ = true;
    // An automatic run speaks only while the sheet has said nothing in this showing: closing
    // a message box uncovers the sheet, which runs TOTAL again and would ask without end.
    const bool quiet = automatic && messageShown_;
    const auto tell = [this, quiet](const UserMessage& message) {
        if (!quiet) showMessage(message);
    };
    try {
        const MessageRoute route(ctx_, tell);
        TotalOvertime(ctx_);
    } catch (const UserError& e) {
        tell({e.what(), e.title(), MessageIcon::Exclamation});
    }
    totalling_ = false;
    refresh();
}

void OvertimeSheetForm::showMessage(const UserMessage& message) {
    messageShown_ = true;
    showUserMessage(this, message);
}

void OvertimeSheetForm::showError(const UserError& error) {
    showMessage({error.what(), error.title(), MessageIcon::Exclamation});
}

void OvertimeSheetForm::newWeek() {
    NewWeek(ctx_);
    refresh();
}

void OvertimeSheetForm::undo() {
    try {
        UndoOvertime(ctx_);
    } catch (const UserError& e) {
        showError(e);
    }
    refresh();
}

void OvertimeSheetForm::back() {
    try {
        BackOvertime(ctx_);
    } catch (const UserError& e) {
        showError(e);
        return;
    }
    close();
}

void OvertimeSheetForm::print() {
    printWindowImage(this, desktop_, this, proposedPdf(ctx_, "overtime"));
}

void OvertimeSheetForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Opened, not restored from the task bar: a new showing may speak again.
    if (!event->spontaneous()) messageShown_ = false;
    deactivated_ = false;
    // Once the sheet is on the screen, so that a message box stands over it.
    QTimer::singleShot(0, this, [this] {
        if (isVisible()) runTotal(true);
    });
}

bool OvertimeSheetForm::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowDeactivate) {
        deactivated_ = true;
    } else if (event->type() == QEvent::WindowActivate && deactivated_ && !totalling_) {
        // Uncovered again: the totals are brought up to date as on opening.
        deactivated_ = false;
        runTotal(true);
    }
    return handled;
}

void OvertimeSheetForm::closeEvent(QCloseEvent* event) {
    // The record keeps everything; the next opening fills the sheet from it.
    ctx_.overtimeWindow.loaded = false;
    event->accept();
}

std::optional<OvertimeSheetForm::RowBox> OvertimeSheetForm::findRowBox(QObject* watched) const {
    const auto inColumn = [watched](const auto& boxes) {
        return static_cast<int>(std::find(boxes.begin(), boxes.end(), watched) - boxes.begin());
    };
    if (const int row = inColumn(text1_); row < kOvertimeRows) return RowBox{Column::Date, row};
    if (const int row = inColumn(txtOT_); row < kOvertimeRows) return RowBox{Column::Overtime, row};
    return std::nullopt;
}

QLineEdit* OvertimeSheetForm::rowBox(Column column, int row) const {
    return column == Column::Date ? text1_[row] : txtOT_[row];
}

bool OvertimeSheetForm::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::MouseButtonPress) {
        return QWidget::eventFilter(watched, event);
    }
    const std::optional<RowBox> from = findRowBox(watched);
    if (!from) return QWidget::eventFilter(watched, event);
    if (type == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (from->column == Column::Date && opensDatePicker(key)) {
            pickRowDate(from->row);
            return true;
        }
        return moveFocus(*from, key.key());
    }
    if (from->column == Column::Date &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        pickRowDate(from->row);
        return true;
    }
    return false;
}

bool OvertimeSheetForm::moveFocus(RowBox from, int key) {
    const int last = lastRow();
    RowBox to = from;
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            to.row = from.row < last ? from.row + 1 : 0;
            break;
        case Qt::Key_Up:
            if (from.row == 0) return true;  // taken, or the scroll area would scroll
            to.row = from.row - 1;
            break;
        case Qt::Key_Down:
            if (from.row >= last) return true;
            to.row = from.row + 1;
            break;
        case Qt::Key_Right:
            if (from.column != Column::Date) return false;
            to.column = Column::Overtime;
            break;
        case Qt::Key_Left:
            if (from.column != Column::Overtime) return false;
            to.column = Column::Date;
            break;
        default:
            return false;
    }
    QLineEdit* box = rowBox(to.column, to.row);
    box->setFocus(Qt::TabFocusReason);
    scroll_->ensureWidgetVisible(box);
    return true;
}

void OvertimeSheetForm::pickRowDate(int row) {
    QLineEdit* box = text1_[row];
    box->setFocus(Qt::MouseFocusReason);
    pickDate(box, PickerKind::WeekRow, this);
}

}  // namespace corvanta::ui
