#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

#include "session/checks/check_register_file.h"
#include "session/core/payroll_context.h"
#include "ui/desktop_services.h"

class QLabel;
class QTableWidget;

namespace corvanta::ui {

// Forms, "Chec&k Register...": every check printed from the folder, with its number, date,
// employee, payee, amount, week and state. It prints the list, writes it as CSV, and voids
// the chosen check, asking whether to zero the ledger row it paid as well.
class CheckRegisterWindow : public QWidget {
    Q_OBJECT
  public:
    // `ctx` is the calculator window's session: a ledger row of the employee it has open is
    // zeroed there, and `ledgerChanged` then tells the windows showing her ledger.
    CheckRegisterWindow(PayrollContext& ctx, const DesktopServices& desktop,
                        std::function<void()> ledgerChanged, QWidget* parent = nullptr);

    // Reads "Checks.sav" again; a damaged file is named and the list left empty.
    void showChecks();
    void printChecks();
    void exportCsv();
    // Voids the chosen check after asking whether to zero its ledger row; Cancel does nothing.
    void voidChosen();

  private:
    [[nodiscard]] std::optional<std::int64_t> chosenNumber() const;
    int zeroRowOf(const IssuedCheck& check);

    PayrollContext& ctx_;
    const DesktopServices& desktop_;
    std::function<void()> ledgerChanged_;
    QLabel* lblNext_ = nullptr;
    QTableWidget* grdChecks_ = nullptr;
    std::optional<CheckRegister> shown_;
};

}  // namespace corvanta::ui
