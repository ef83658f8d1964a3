#include "ui/calculator_keys.h"

#include <QDir>
#include <QLabel>
#include <QShortcut>
#include <QStatusBar>

#include "ui/calculator_window.h"
#include "ui/help_window.h"
#include "ui/message_box.h"

namespace corvanta::ui {

void installCalculatorKeys(CalculatorForm* form) {
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
