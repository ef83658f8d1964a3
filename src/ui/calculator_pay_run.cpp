// The calculator window's pay run: the window, and the employee it shows read again once the
// run has paid her.
#include <algorithm>

#include "session/files/open_employee.h"
#include "ui/calculator_window.h"
#include "ui/message_box.h"
#include "ui/pay_run_window.h"
#include "ui/register_window.h"

namespace corvanta::ui {

void CalculatorForm::openPayRun() {
    if (payRunWindow_ == nullptr) {
        payRunWindow_ = new PayRunWindow(ctx_, desktop_, this);
        payRunWindow_->beforePay = [this](const std::vector<std::string>& names) {
            // Her files are about to be written by the run: what she shows unsaved goes
            // through the save window first, as Open would ask.
            const bool shown =
                std::find(names.begin(), names.end(), ctx_.UserFileBase) != names.end();
            if (shown && !ctx_.UserFileBase.empty()) afterCommand(session_.Save());
            return !ended_;
        };
        connect(
            payRunWindow_, &PayRunWindow::paid, this,
            [this](const std::vector<std::string>& names, const QString&) { afterPayRun(names); });
    } else {
        payRunWindow_->reloadEmployees();
    }
    present(payRunWindow_);
}

void CalculatorForm::afterPayRun(const std::vector<std::string>& names) {
    const std::string shown = ctx_.UserFileBase;
    if (!shown.empty() && std::find(names.begin(), names.end(), shown) != names.end()) {
        // The run posted her week: the window shows her files as they now are.
        closeEmployeeWindows();
        PayrollContext next = ctx_;
        if (runShowingErrors(this, [&] { OpenEmployee(next, shown, fromQt(today())); })) {
            ctx_ = std::move(next);
        }
        afterCommand();
    }
    refreshEmployeeList();
    openRegister();
    if (payRunWindow_ != nullptr) present(payRunWindow_);
}

}  // namespace corvanta::ui
