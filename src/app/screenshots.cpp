#include "app/screenshots.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>

#include "ui/calculator_window.h"
#include "ui/employee_dialog.h"
#include "ui/state_dialog.h"

namespace corvanta::app {
namespace {

bool grab(QWidget* widget, const QString& file) {
    widget->show();
    QApplication::processEvents();
    return widget->grab().save(file);
}

}  // namespace

int takeScreenshots(PayrollContext& ctx, const QString& dir) {
    QDir().mkpath(dir);
    ui::CalculatorForm form(ctx);
    form.resize(900, 620);
    form.show();
    const char* entries[] = {"40", "", "", "2.5", "", "", "", ""};
    for (int i = 0; i < kEntryBoxes; ++i) {
        form.findChild<QLineEdit*>(QString("txtAmount%1").arg(i))->setText(entries[i]);
    }
    form.calculate();
    bool ok = grab(&form, dir + "/main-window.png");
    form.openStateDialog();
    auto* state = form.findChild<ui::StateDialog*>("DialogState");
    if (state != nullptr) ok = grab(state, dir + "/state-dialog.png") && ok;
    ui::EmployeeDialog employee(
        ctx, [] { return false; }, &form);
    ok = grab(&employee, dir + "/employee-dialog.png") && ok;
    return ok ? 0 : 1;
}

}  // namespace corvanta::app
