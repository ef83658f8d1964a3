// The employee list as the calculator opens it, and the open it asks the calculator for.
#include <QLineEdit>

#include "base/core/user_error.h"
#include "session/payroll/payroll_folder.h"
#include "ui/calculator_window.h"
#include "ui/employee_list_window.h"

namespace corvanta::ui {

void CalculatorForm::openEmployeeNamed(const std::string& fileName) {
    closeEmployeeWindows();
    afterCommand(session_.Open(ctx_.folder / (fileName + ".use")));
    // The hours of the employee just opened are typed next.
    if (!ended_) {
        present(this);
        txtAmount_[0]->setFocus();
    }
}

void CalculatorForm::openEmployeeList() {
    if (employeeList_ == nullptr) {
        EmployeeListWindow::Commands commands{
            .open = [this](const std::string& name) { openEmployeeNamed(name); },
            .newEmployee = [this] { newEmployee(); }};
        employeeList_ = new EmployeeListWindow(ctx_, std::move(commands), this);
    } else {
        employeeList_->refresh();
    }
    present(employeeList_);
}

void CalculatorForm::listEmployeesAtStart() {
    bool any = false;
    try {
        any = !folderEmployees(ctx_.folder).empty();
    } catch (const UserError&) {
        // The calculator reports an unusable folder when it is used; the list is only a help.
    }
    if (any) openEmployeeList();
}

void CalculatorForm::refreshEmployeeList() {
    if (employeeList_ != nullptr && employeeList_->isVisible()) employeeList_->refresh();
}

}  // namespace corvanta::ui
