#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "records/checks/issued_check.h"
#include "session/core/payroll_context.h"

namespace corvanta {

// Zeroes the row of the employee's ledger posted for the check's week and saves her ledger
// file; `ctx` is the session that has her open. Returns the 0-based row. Throws UserError
// when no row is posted for that week, or the ledger cannot be saved (the file then keeps
// what it had).
int zeroPaidRow(PayrollContext& ctx, const IssuedCheck& check);

// The same for an employee no window of this program has open: her lock is taken for the
// while, and her files read afresh. Throws UserError naming who holds her.
int zeroPaidRow(const std::filesystem::path& folder, const IssuedCheck& check,
                const MessageHandler& showMessage);

struct VoidedCheck {
    IssuedCheck check;
    std::optional<int> zeroedRow;  // 0-based, when her ledger row was zeroed
    std::string ledgerFailure;     // why it was not, when it was asked for
};

// Marks the check void in the register (it stays listed), then, when `zeroRow` is given,
// zeroes the ledger row it paid through it. A ledger that cannot be changed leaves the check
// void and says why. Throws UserError for a check that is not in the register or is void
// already, FileError naming a damaged register (nothing is then written).
VoidedCheck voidCheck(const std::filesystem::path& folder, std::int64_t number, bool durable,
                      const std::function<int(const IssuedCheck&)>& zeroRow = {});

}  // namespace corvanta
