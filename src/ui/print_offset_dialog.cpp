#include "ui/print_offset_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "base/core/money.h"
#include "base/core/numeric_text.h"
#include "qtprint/check_fit.h"
#include "records/print/payee_name.h"
#include "session/checks/check_register_file.h"
#include "session/checks/numbered_check.h"
#include "session/files/employee_files.h"
#include "session/print/check_print.h"
#include "ui/cell_factory.h"
#include "ui/message_box.h"
#include "ui/print_file_name.h"
#include "ui/select_on_focus.h"
#include "ui/tax_year_question.h"

namespace corvanta::ui {
namespace {

const QStringList kOffsetChoices{"+5", "+4", "+3", "+2", "+1", "0", "-1", "-2", "-3", "-4", "-5"};

constexpr const char* kInstructions =
    "Before printing on actual checks, print on plain printer paper. Match up by holding the "
    "printed paper behind the actual blank check sheet and hold up to light. To adust change "
    "settings above until disired settings are achived";

// A stored offset as the whole number the box offers.
QString offsetText(float offset) {
    try {
        return QString::number(roundHalfEven(static_cast<double>(offset)));
    } catch (const MoneyOverflow&) {
        // Far beyond any page: shown as stored, so that applying or printing refuses it.
        return toQt(shortestText(offset));
    }
}

// The offset typed in a box; a refusal names the box and repeats the text.
float offsetIn(const QComboBox* box, const std::string& caption) {
    const std::string text = fromQt(box->currentText());
    const std::string named = "The " + caption + " offset \"" + text + "\"";
    const std::optional<double> value = strictNumber(text);
    if (!value) throw UserError(named + " is not a number.");
    try {
        checkShift({text, "0"});  // the printout's own limits
    } catch (const UserError&) {
        throw UserError(named + " is too large for the page.");
    }
    return static_cast<float>(*value);
}

}  // namespace

PrintOffsetDialog::PrintOffsetDialog(PayrollContext& ctx, const DesktopServices& desktop,
                                     std::function<bool()> prepareLedger, QWidget* parent)
    : QDialog(parent), ctx_(ctx), desktop_(desktop), prepareLedger_(std::move(prepareLedger)) {
    setObjectName("dlgPrintSet");
    setWindowTitle("Printer Offset");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* rows = new QVBoxLayout(this);
    auto* heading = new QLabel("OFFSET ADJUSTMENT", this);
    heading->setAlignment(Qt::AlignCenter);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    rows->addWidget(heading);
    rows->addWidget(buildOffsets());
    auto* instructions = new QLabel(kInstructions, this);
    instructions->setWordWrap(true);
    instructions->setMaximumWidth(360);
    rows->addWidget(instructions);
    rows->addWidget(buildButtons());
    load();
}

QComboBox* PrintOffsetDialog::addOffsetBox(const QString& name) {
    auto* box = new QComboBox(this);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(kOffsetChoices);
    SelectOnFocus::install(box);
    return box;
}

QWidget* PrintOffsetDialog::buildOffsets() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    cboHorz_ = addOffsetBox("cboHorz");
    cboVert_ = addOffsetBox("cboVert");
    grid->addWidget(new QLabel("Horizontal", panel), 0, 0);
    grid->addWidget(cboHorz_, 0, 1);
    grid->addWidget(new QLabel("Vertical", panel), 1, 0);
    grid->addWidget(cboVert_, 1, 1);
    lbWeek_ = new QLabel(panel);
    lbWeek_->setObjectName("lbWeek");
    grid->addWidget(lbWeek_, 0, 2, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    grid->setColumnStretch(2, 1);
    return panel;
}

QWidget* PrintOffsetDialog::buildButtons() {
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    auto button = [&](const QString& caption, const QString& name, auto slot) {
        connect(addButton(row, caption, name), &QPushButton::clicked, this, slot);
    };
    button("&Apply", "cmdApply", [this] { apply(); });
    button("&Print Check", "OKButton", [this] { printCheck(); });
    button("&Cancel", "CancelButton", [this] { close(); });
    return panel;
}

void PrintOffsetDialog::load() {
    try {
        ReadEmployeeFiles(ctx_);
    } catch (const UserError& e) {
        // The dialog still opens, with the offsets as they are in memory.
        showUserError(this, e);
    }
    cboHorz_->setEditText(offsetText(ctx_.CheckOffsetHorz));
    cboVert_->setEditText(offsetText(ctx_.CheckOffsetVert));
    refresh();
}

void PrintOffsetDialog::refresh() { lbWeek_->setText(toQt(ctx_.window.txtWeek)); }

bool PrintOffsetDialog::apply() {
    try {
        // Both are checked before either is stored, so a refusal changes nothing.
        const float horizontal = offsetIn(cboHorz_, "Horizontal");
        const float vertical = offsetIn(cboVert_, "Vertical");
        // Offsets that would print a field off the sheet are never stored.
        requireCheckFits(ctx_, {fromQt(cboHorz_->currentText()), fromQt(cboVert_->currentText())});
        ctx_.CheckOffsetHorz = horizontal;
        ctx_.CheckOffsetVert = vertical;
        saveEmployeeFileSet(ctx_);
    } catch (const UserError& e) {
        showUserError(this, e);
        return false;
    }
    return true;
}

void PrintOffsetDialog::printCheck() {
    if (!apply()) return;
    if (!confirmTaxYear(this, ctx_.window.txtWeek, "Print")) return;
    if (employeeNameMissing(ctx_.profile) && !askYesNo(this, "Print", kNameNotFilledQuestion)) {
        return;
    }
    if (prepareLedger_ && !prepareLedger_()) return;
    // A check register that cannot be read is named before the printer is chosen.
    if (!runShowingErrors(this, [this] { readCheckRegister(ctx_.folder); })) return;
    // The printout takes the offsets as the boxes show them now.
    const CheckOffsetTexts offsets{fromQt(cboHorz_->currentText()),
                                   fromQt(cboVert_->currentText())};
    PayrollContext& ctx = ctx_;
    // The number is taken once the printer is chosen (a cancelled dialog takes none) and
    // recorded before the printout is made; a printout that fails voids it.
    std::optional<IssuedCheck> taken;
    const bool printed = printDocument(
        this, desktop_,
        [&ctx, &taken, offsets](PrintColumnModel& out) {
            taken = takeCheckNumber(ctx);
            PrintCheck(ctx, out, offsets);
        },
        proposedPdf(ctx, "check"));
    if (taken && !printed) runShowingErrors(this, [&] { releaseCheckNumber(ctx, *taken); });
    ctx.check.checkNumber.clear();
    close();
}

}  // namespace corvanta::ui
