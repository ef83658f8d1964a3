#include "ui/calculator_keys.h"

#include <QDir>
#include <QLabel>
#include <QShortcut>
#include <QStatusBar>
#include <array>

#include "ui/calculator_window.h"
#include "ui/help_window.h"
#include "ui/message_box.h"

namespace corvanta::ui {

namespace {

// Tab follows the window as it reads: down the entry boxes (the O.T. options beside their
// box), along the buttons below them, then the pay period date on the right.
constexpr std::array kReadingOrder{"txtAmount0", "txtAmount1",  "opt1x",      "opt2x",
                                   "txtAmount2", "txtAmount3",  "txtAmount4", "txtAmount5",
                                   "txtAmount6", "txtAmount7",  "cmdClear",   "cmdCal",
                                   "cmdYear",    "cmdOT",       "Command1",   "cmdPrint",
                                   "cmdPeriod",  "cmdSavePrev", "txtWeek"};

void setReadingOrder(CalculatorForm* form) {
    QWidget* previous = nullptr;
    for (const char* name : kReadingOrder) {
        auto* next = form->findChild<QWidget*>(name);
        if (next == nullptr) continue;
        if (previous != nullptr) QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

}  // namespace

void installCalculatorKeys(CalculatorForm* form) {
    setReadingOrder(form);
    auto* calculate = new QShortcut(QKeySequence(Qt::Key_F5), form);
    calculate->setObjectName("calculateKey");
    QObject::connect(calculate, &QShortcut::activated, form, &CalculatorForm::calculate);
    installHelpKey(form);
}

void showWorkingFolder(CalculatorForm* form, const PayrollContext& ctx) {
    auto* label = new QLabel(form->statusBar());
    label->setObjectName("lbFolder");
    form->statusBar()->addWidget(label, 1);
    const auto show = [label, &ctx] {
        const QString folder =
            QDir::toNativeSeparators(QDir(toQt(ctx.folder.string())).absolutePath());
        label->setText("Folder: " + folder);
        label->setToolTip("The employees' files are kept in " + folder);
    };
    show();
    QObject::connect(form, &QWidget::windowTitleChanged, label, show);
}

}  // namespace corvanta::ui
