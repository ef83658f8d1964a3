// The commands of the year-to-date window: posting, totals, clearing, export, printing and
// the close sequence.
#include <QDate>
#include <algorithm>
#include <filesystem>
#include <vector>

#include "export/ledger_workbook.h"
#include "session/print/ledger_report.h"
#include "session/ytd/ledger_file.h"
#include "session/ytd/ledger_ops.h"
#include "ui/ledger_grid.h"
#include "ui/ledger_window.h"
#include "ui/message_box.h"
#include "ui/pay_date_picker.h"
#include "ui/print_file_name.h"
#include "ui/shown_path.h"
#include "ui/tax_year_question.h"

namespace corvanta::ui {
namespace {

// Routes the engine's notices (such as a total that cannot be added up) to boxes over the
// given window while it lives, then gives the previous receiver back. A command that adds up
// the totals twice (Add, then the save's own recount) tells the same problem only once.
class NoticesOver {
  public:
    NoticesOver(PayrollContext& ctx, QWidget* window) : ctx_(ctx), previous_(ctx.showMessage) {
        ctx_.showMessage = [this, window](const UserMessage& m) {
            if (std::find(shown_.begin(), shown_.end(), m.text) != shown_.end()) return;
            shown_.push_back(m.text);
            showUserMessage(window, m);
        };
    }
    ~NoticesOver() { ctx_.showMessage = previous_; }
    NoticesOver(const NoticesOver&) = delete;
    NoticesOver& operator=(const NoticesOver&) = delete;

  private:
    PayrollContext& ctx_;
    MessageHandler previous_;
    std::vector<std::string> shown_;
};

}  // namespace

bool LedgerWindow::runEngine(const std::function<void()>& operations) {
    const NoticesOver notices(ctx_, this);
    return runShowingErrors(this, operations);
}

void LedgerWindow::postRow(int row) {
    if (!confirmTaxYear(this, ctx_.window.txtWeek, "Post")) return;
    // A week already posted in another row would pay the employee twice: asked, No by default.
    if (const auto posted = rowPostedFor(ctx_, ctx_.window.txtWeek, row)) {
        if (!askYesNo(this, "Post",
                      "The week " + alreadyPostedText(ctx_.window.txtWeek, *posted) +
                          ".\r\nPost it again into row " + std::to_string(row + 1) + "?",
                      QMessageBox::No)) {
            return;
        }
    }
    runEngine([&] { PasteMe(ctx_, row); });
    grid_->refresh();
}

void LedgerWindow::zeroRow(int row) {
    runEngine([&] { DeleteRow(ctx_, row); });
    grid_->refresh();
}

void LedgerWindow::addTotals() {
    runEngine([this] {
        Update(ctx_);
        AddAnnual(ctx_);
    });
    refresh();
}

void LedgerWindow::clearAll() {
    runEngine([this] { ClearLedger(ctx_); });
    refresh();
}

void LedgerWindow::printLedger() {
    const std::string today = fromQt(QDate::currentDate().toString(kPickedDateFormat));
    printDocument(
        this, desktop_, [this, &today](PrintColumnModel& out) { PrintYr(ctx_, out, today); },
        proposedPdf(ctx_, "ledger"));
}

QString LedgerWindow::proposedWorkbook() const {
    const std::string name = ctx_.UserFileBase.empty() ? "Ledger" : ctx_.UserFileBase;
    const std::filesystem::path proposed = ctx_.folder / (name + ".xlsx");
    // The save dialog starts in the employee's folder, whatever the program's own folder is.
    return toQt(shownPath(proposed).string());
}

void LedgerWindow::exportWorkbook() {
    const QString path = desktop_.chooseWorkbookFile(this, proposedWorkbook());
    if (path.isEmpty()) return;
    // The workbook takes the window's texts as they stand, unsaved edits included.
    if (!runEngine([&] { ToExcel(ctx_, std::filesystem::path(fromQt(path))); })) return;
    showWrittenWorkbook(this, desktop_, path);
}

void LedgerWindow::closeLedger() {
    if (askYesNo(this, "Save?", "     Do you want to save YTD")) {
        const bool saved = runEngine([this] {
            Update(ctx_);
            AddAnnual(ctx_);
            SaveAnnual(ctx_);
        });
        refresh();
        // A ledger that could not be written stays on screen, so nothing typed is lost.
        if (!saved) return;
    } else {
        emit calculatorWanted();
    }
    closePermitted_ = true;
    close();
}

}  // namespace corvanta::ui
