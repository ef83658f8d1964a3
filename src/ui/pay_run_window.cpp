#include "ui/pay_run_window.h"

#include <QApplication>
#include <QColor>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <ctime>
#include <map>

#include "base/core/numeric_text.h"
#include "base/files/file_io.h"
#include "payrun/hours_csv.h"
#include "payrun/week_pay_run.h"
#include "qtprint/run_document.h"
#include "session/company/company_file.h"
#include "session/payroll/payroll_folder.h"
#include "session/payroll/register_report.h"
#include "ui/cell_factory.h"
#include "ui/message_box.h"
#include "ui/pay_date_picker.h"
#include "ui/pay_run_grid.h"
#include "ui/screen_fit.h"
#include "ui/select_on_focus.h"
#include "ui/shown_path.h"

namespace corvanta::ui {
namespace {

constexpr const char* kTitle = "Pay Run";

// F4 or Alt+Down in the week box opens its picker.
class WeekBoxKeys : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && opensDatePicker(*static_cast<QKeyEvent*>(event))) {
            auto* box = qobject_cast<QLineEdit*>(watched);
            pickDate(box, PickerKind::PayPeriod, box->window());
            return true;
        }
        return false;
    }
};

// A long run keeps the window answering and can be stopped until its files move in.
class RunProgress {
  public:
    RunProgress(QWidget* parent, const QString& label) : dialog_(label, "Cancel", 0, 0, parent) {
        dialog_.setWindowTitle(kTitle);
        dialog_.setWindowModality(Qt::WindowModal);
        dialog_.setMinimumDuration(400);
    }
    PayRunProgress callback() {
        return [this](PayRunStage stage, std::size_t done, std::size_t total) {
            dialog_.setLabelText(stage == PayRunStage::Checking ? "Checking every row..."
                                                                : "Paying...");
            dialog_.setMaximum(static_cast<int>(total));
            dialog_.setValue(static_cast<int>(done));
            QApplication::processEvents();
            return !dialog_.wasCanceled();
        };
    }

  private:
    QProgressDialog dialog_;
};

// As the calculator window and the command line write it: "12/9/2026".
std::string todayText() { return fromQt(QDate::currentDate().toString(kPickedDateFormat)); }

QStringList problemTexts(const std::vector<RunProblem>& problems) {
    QStringList lines;
    for (const RunProblem& p : problems) {
        lines << QString("Row %1, %2, %3: %4")
                     .arg(p.line)
                     .arg(toQt(p.employee.empty() ? "(no employee)" : p.employee))
                     .arg(toQt(p.field))
                     .arg(toQt(p.reason));
    }
    return lines;
}

}  // namespace

PayRunWindow::PayRunWindow(const PayrollContext& ctx, const DesktopServices& desktop,
                           QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx), desktop_(desktop) {
    setObjectName("frmPayRun");
    setWindowTitle(kTitle);
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    auto* weekCaption = new QLabel("&Week (pay date):");
    txtWeek_ = new QLineEdit(toQt(ctx.window.txtWeek));
    txtWeek_->setObjectName("txtRunWeek");
    txtWeek_->setMaximumWidth(txtWeek_->fontMetrics().horizontalAdvance("00/00/00000") + 16);
    txtWeek_->installEventFilter(new WeekBoxKeys(txtWeek_));
    SelectOnFocus::install(txtWeek_);
    weekCaption->setBuddy(txtWeek_);
    auto* pick = new QPushButton("...");
    pick->setObjectName("cmdPickWeek");
    pick->setToolTip("Choose the date (F4)");
    pick->setAutoDefault(false);
    pick->setFocusPolicy(Qt::NoFocus);  // F4 in the box opens it
    pick->setMaximumWidth(pick->fontMetrics().horizontalAdvance("...") + 20);
    top->addWidget(weekCaption);
    top->addWidget(txtWeek_);
    top->addWidget(pick);
    QPushButton* last = addButton(top, "Copy &Last Period", "cmdCopyLast");
    last->setToolTip("The chosen rows (or all rows) take their employee's last entries");
    QPushButton* all = addButton(top, "Choose &All", "cmdChooseAll");
    top->addStretch();
    layout->addLayout(top);

    grid_ = new QTableWidget;
    grid_->setObjectName("gridPayRun");
    setUpPayRunGrid(grid_);
    layout->addWidget(grid_, 1);

    setTabOrder(txtWeek_, grid_);
    lblStatus_ = new QLabel;
    lblStatus_->setObjectName("lblRunStatus");
    lblStatus_->setWordWrap(true);
    lblStatus_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(lblStatus_);

    grdTotals_ = new QTableWidget;
    grdTotals_->setObjectName("grdRunTotals");
    grdTotals_->setColumnCount(2);
    grdTotals_->horizontalHeader()->hide();
    grdTotals_->verticalHeader()->hide();
    grdTotals_->verticalHeader()->setDefaultSectionSize(grdTotals_->fontMetrics().height() + 4);
    grdTotals_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdTotals_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grdTotals_->setMaximumHeight(grdTotals_->fontMetrics().height() * 9);
    grdTotals_->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(grdTotals_);

    auto* buttons = new QHBoxLayout;
    QPushButton* import = addButton(buttons, "&Import...", "cmdImport");
    QPushButton* exportButton = addButton(buttons, "E&xport...", "cmdExport");
    buttons->addStretch();
    QPushButton* previewButton = addButton(buttons, "Pre&view", "cmdPreview");
    QPushButton* payButton = addButton(buttons, "&Pay", "cmdPay");
    QPushButton* close = addButton(buttons, "&Close", "cmdClose");
    layout->addLayout(buttons);

    connect(pick, &QPushButton::clicked, this,
            [this] { pickDate(txtWeek_, PickerKind::PayPeriod, this); });
    connect(last, &QPushButton::clicked, this, [this] { copyLastPeriod(); });
    connect(all, &QPushButton::clicked, this, [this] {
        for (int r = 0; r < grid_->rowCount(); ++r) {
            grid_->item(r, kPayColumn)->setCheckState(Qt::Checked);
        }
    });
    connect(import, &QPushButton::clicked, this, [this] { importSheet(); });
    connect(exportButton, &QPushButton::clicked, this, [this] { exportSheet(); });
    connect(previewButton, &QPushButton::clicked, this, [this] { preview(); });
    connect(payButton, &QPushButton::clicked, this, [this] { pay(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    // Figures shown are those of the entries they were calculated from.
    connect(grid_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() >= kFirstFigureColumn) return;
        clearFigures(grid_);
        grdTotals_->setRowCount(0);
        if (item->column() >= kFirstEntryColumn && item->column() < kTwoXColumn) {
            markEntry(item);
        }
    });
    connect(txtWeek_, &QLineEdit::textEdited, this, [this] { grdTotals_->setRowCount(0); });

    resize(1000, 600);
    keepOnScreen(this);
    reloadEmployees();
}

void PayRunWindow::reloadEmployees() {
    std::vector<std::string> employees;
    if (!runShowingErrors(this, [&] { employees = folderEmployees(ctx_.folder); })) return;
    fillEmployees(grid_, employees);
    grdTotals_->setRowCount(0);
    lblStatus_->setText(
        employees.empty()
            ? QString("The folder %1 has no employee yet: File, New makes one.")
                  .arg(toQt(shownPath(ctx_.folder).string()))
            : QString("%1 employees. Tick Pay for each one to pay, type the week's entries, "
                      "then Preview and Pay.")
                  .arg(employees.size()));
}

void PayRunWindow::markEntry(QTableWidgetItem* item) {
    const QSignalBlocker quiet(grid_);
    if (entryValue(fromQt(item->text().trimmed()))) {
        item->setData(Qt::BackgroundRole, {});
        return;
    }
    item->setBackground(QColor(255, 200, 200));
    lblStatus_->setText(QString("Row %1, %2, %3: \"%4\" is not a number.")
                            .arg(item->row() + 1)
                            .arg(grid_->item(item->row(), kEmployeeColumn)->text())
                            .arg(grid_->horizontalHeaderItem(item->column())->text())
                            .arg(item->text().trimmed()));
}

bool PayRunWindow::entriesReadable() {
    if (const auto bad = firstBadEntry(grid_)) {
        lblStatus_->setText(*bad);
        showUserMessage(this, {fromQt(*bad), kTitle});
        return false;
    }
    if (chosenHoursRows(grid_).empty()) {
        const std::string none = "No row is chosen: tick Pay for each employee to pay.";
        lblStatus_->setText(toQt(none));
        showUserMessage(this, {none, kTitle});
        return false;
    }
    return true;
}

void PayRunWindow::showProblems(const QStringList& lines) {
    lblStatus_->setText(QString("Nothing was written. Rows to mend:\n") + lines.join("\n"));
    showUserMessage(
        this, {"Nothing was written. Rows to mend:\r\n" + fromQt(lines.join("\r\n")), kTitle});
}

bool PayRunWindow::preview() {
    if (!entriesReadable()) return false;
    const std::vector<HoursRow> rows = chosenHoursRows(grid_);
    const PayRunRequest request{
        ctx_.folder, fromQt(txtWeek_->text().trimmed()), std::nullopt, todayText(), {}};
    PayRunPreview shown;
    RunProgress progress(this, "Calculating...");
    try {
        shown = previewPayRun(request, rows, companyOfFolder(ctx_.folder).deposits,
                              progress.callback());
    } catch (const PayRunCancelled&) {
        lblStatus_->setText("The preview was cancelled.");
        return false;
    } catch (const UserError& e) {
        showUserError(this, e);
        return false;
    }
    showFigures(grid_, registerTable(shown.reg));
    RegisterTable totals = registerTable(shown.reg);
    std::vector<std::vector<std::string>> lines;
    if (!totals.empty()) {
        const auto& t = totals.back();
        const auto& heading = totals.front();
        for (std::size_t c = 2; c + 1 < t.size() && c < heading.size(); ++c) {
            lines.push_back({"Total " + heading[c], t[c]});
        }
    }
    for (const auto& row : formsTable(shown.reg)) lines.push_back(row);
    grdTotals_->setRowCount(static_cast<int>(lines.size()));
    for (int r = 0; r < grdTotals_->rowCount(); ++r) {
        for (int c = 0; c < 2 && c < static_cast<int>(lines[r].size()); ++c) {
            auto* item = new QTableWidgetItem(toQt(lines[r][c]));
            if (c == 1) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grdTotals_->setItem(r, c, item);
        }
    }
    if (!shown.problems.empty()) {
        showProblems(problemTexts(shown.problems));
        return false;
    }
    lblStatus_->setText(QString("Preview of %1 employees for %2: nothing is written until Pay.")
                            .arg(rows.size())
                            .arg(txtWeek_->text()));
    return true;
}

QString PayRunWindow::proposedPdf(const QString& what) const {
    QString week = txtWeek_->text().trimmed();
    week.replace('/', '-');
    return toQt((ctx_.folder / fromQt(what + " " + week + ".pdf")).string());
}

bool PayRunWindow::pay() {
    if (!entriesReadable()) return false;
    const std::vector<HoursRow> rows = chosenHoursRows(grid_);
    std::vector<std::string> names;
    names.reserve(rows.size());
    for (const HoursRow& r : rows) names.push_back(r.employee);
    const QString week = txtWeek_->text().trimmed();
    if (!askYesNo(this, kTitle,
                  "Pay " + std::to_string(rows.size()) + " employees for the week of " +
                      fromQt(week) + "?\r\nA backup of the folder is written first.")) {
        return false;
    }
    if (beforePay && !beforePay(names)) return false;
    PayRunRequest request{ctx_.folder, fromQt(week), std::nullopt, todayText(), {}};
    // The employee the calculator holds is held for the run by the calculator's own lock.
    if (!ctx_.hold.name.empty() && ctx_.hold.isFor(ctx_.folder, ctx_.hold.name) &&
        !ctx_.hold.readOnly()) {
        request.holds.emplace(ctx_.hold.name, ctx_.hold);
    }
    WeekPayRun run;
    {
        RunProgress progress(this, "Checking every row...");
        const bool ran = runShowingErrors(this, [&] {
            run = payWeek(request, rows, PayRunPrintouts{true, true, std::nullopt},
                          progress.callback(), std::time(nullptr));
        });
        if (!ran) return false;
    }
    if (run.ending == PayRunEnding::Refused) {
        showProblems(problemTexts(run.problems));
        return false;
    }
    if (run.ending == PayRunEnding::Cancelled) {
        lblStatus_->setText("The pay run was cancelled: no employee was paid.");
        return false;
    }
    QStringList said;
    for (const std::string& n : run.notices) said << toQt(n);
    said << QString("Backup written: %1").arg(toQt(shownPath(run.backup).string()));
    const bool stopped = run.ending == PayRunEnding::Stopped;
    if (stopped) {
        said << QString("The pay run stopped at %1: %2")
                    .arg(toQt(run.outcome.failedEmployee))
                    .arg(toQt(run.outcome.failure));
        said << QString("Paid: %1 of %2. The backup restores the folder as it was.")
                    .arg(run.outcome.done.size())
                    .arg(rows.size());
        showUserMessage(this, {fromQt(said.join("\r\n")), kTitle});
    } else {
        said.prepend(QString("Paid %1 employees for %2.").arg(run.outcome.done.size()).arg(week));
    }
    lblStatus_->setText(said.join("\n"));
    if (!run.outcome.done.empty()) {
        emit paid(run.outcome.done, week);
        printRun(run);
    }
    reloadEmployees();
    lblStatus_->setText(said.join("\n"));
    return !stopped;
}

void PayRunWindow::printRun(const WeekPayRun& run) {
    std::unique_ptr<QPrinter> stubs;
    std::unique_ptr<QPrinter> checks;
    if (!run.stubs.empty()) stubs = desktop_.choosePrinter(this, proposedPdf("Stubs"));
    if (!run.checks.empty()) checks = desktop_.choosePrinter(this, proposedPdf("Checks"));
    runShowingErrors(this, [&] {
        // PDF files are written side by side; a printer takes its pages in turn.
        std::vector<PrintoutsPdf> pdfs;
        const std::pair<QPrinter*, const std::vector<RecordedDocument>*> jobs[] = {
            {stubs.get(), &run.stubs}, {checks.get(), &run.checks}};
        for (const auto& [printer, printouts] : jobs) {
            if (printer == nullptr) continue;
            if (const auto file = pdfFileOf(*printer)) {
                pdfs.push_back({printouts, *file});
            } else {
                printPrintouts(*printouts, *printer);
            }
        }
        savePrintoutPdfs(pdfs);
    });
}

void PayRunWindow::copyLastPeriod() {
    std::map<std::string, HoursRow> last;
    if (!runShowingErrors(this, [&] { last = lastPaidEntries(ctx_.folder); })) return;
    std::vector<int> targets;
    for (int r = 0; r < grid_->rowCount(); ++r) {
        if (grid_->item(r, kPayColumn)->checkState() == Qt::Checked) targets.push_back(r);
    }
    if (targets.empty()) {
        for (int r = 0; r < grid_->rowCount(); ++r) targets.push_back(r);
    }
    QStringList unpaid;
    for (const int r : targets) {
        const QString name = grid_->item(r, kEmployeeColumn)->text();
        const auto found = last.find(fromQt(name));
        if (found == last.end()) {
            unpaid << name;
        } else {
            putEntries(grid_, r, found->second);
        }
    }
    lblStatus_->setText(
        unpaid.isEmpty()
            ? QString("The entries of the last pay run were copied.")
            : QString("Not in the last pay run, left as they were: %1.").arg(unpaid.join(", ")));
}

void PayRunWindow::importSheet() {
    if (!desktop_.chooseHoursSheet) return;
    const QString file =
        desktop_.chooseHoursSheet(this, toQt(shownPath(ctx_.folder).string()), false);
    if (file.isEmpty()) return;
    std::vector<HoursRow> rows;
    const std::string name = std::filesystem::path(fromQt(file)).filename().string();
    const bool read = runShowingErrors(this, [&] {
        const auto content = readFileIfExists(fromQt(file));
        if (!content) throw FileError("The hours sheet " + name + " does not exist.", name);
        rows = readHoursSheet(*content, name);
    });
    if (!read) return;
    // Every row must find its employee before the grid changes.
    QStringList unknown;
    for (const HoursRow& r : rows) {
        if (!rowOfEmployee(grid_, r.employee)) {
            unknown << QString("line %1: %2").arg(r.line).arg(toQt(r.employee));
        }
    }
    if (!unknown.isEmpty()) {
        showUserMessage(this, {"The hours sheet " + name +
                                   " names employees this folder does not have; nothing was "
                                   "imported:\r\n" +
                                   fromQt(unknown.join("\r\n")),
                               kTitle});
        return;
    }
    // The sheet's rows first and in its order, as the command line would pay them; the
    // others after them, unchosen.
    std::vector<std::string> employees;
    employees.reserve(static_cast<std::size_t>(grid_->rowCount()));
    for (const HoursRow& r : rows) employees.push_back(r.employee);
    for (int r = 0; r < grid_->rowCount(); ++r) {
        const std::string name = fromQt(grid_->item(r, kEmployeeColumn)->text());
        if (std::find(employees.begin(), employees.end(), name) == employees.end()) {
            employees.push_back(name);
        }
    }
    fillEmployees(grid_, employees);
    for (const HoursRow& r : rows) putEntries(grid_, *rowOfEmployee(grid_, r.employee), r);
    lblStatus_->setText(QString("%1 rows imported from %2.").arg(rows.size()).arg(toQt(name)));
}

void PayRunWindow::exportSheet() {
    if (!desktop_.chooseHoursSheet) return;
    QString week = txtWeek_->text().trimmed();
    week.replace('/', '-');
    const QString file = desktop_.chooseHoursSheet(
        this, toQt((shownPath(ctx_.folder) / fromQt("Hours " + week + ".csv")).string()), true);
    if (file.isEmpty()) return;
    const auto rows = chosenHoursRows(grid_);
    if (runShowingErrors(this, [&] { writeFileAtomically(fromQt(file), writeHoursSheet(rows)); })) {
        lblStatus_->setText(QString("%1 rows exported to %2.").arg(rows.size()).arg(file));
    }
}

}  // namespace corvanta::ui
