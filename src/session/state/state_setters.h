#pragma once

#include "session/core/payroll_context.h"

namespace corvanta {

// The setters of the built-in state methods: each writes its state's values into the state
// dialog for the current pay frequency.

// Alabama reads no cells: every cell is locked at "0".
void AlabamaSet(PayrollContext& ctx);

// Locks the dialog down to the two line-1 percent cells, which keep the stored rates.
void ArizonaSet(PayrollContext& ctx);

// Iowa's standard deductions and credits for the selected frequency; checks "Round State"
// and recomputes the withholding once.
void IowaSet(PayrollContext& ctx);

// Kentucky's brackets and credits, written for the pay frequency selected now.
void KentuckySet(PayrollContext& ctx);

// Leaves only the personal and dependent counts editable; counts out of range become 0.
void LouisianaSet(PayrollContext& ctx);

// The 5.3 percent rate on line 1 and the exemption amounts in both columns.
void MassSet(PayrollContext& ctx);

// Missouri's standard deduction (by status, spouse and frequency) and W-4 allowances; then
// recomputes the withholding once.
void MissouriSet(PayrollContext& ctx);

// North Carolina's bi-weekly tables and allowances.
void NCSet(PayrollContext& ctx);

// Oregon's table and credits, written for the pay frequency selected now.
void OregonSet(PayrollContext& ctx);

// Utah's bi-weekly table and the exemption credits for the selected pay frequency, and the
// caption that says which rule the pay period date selects.
void UtahSet(PayrollContext& ctx);

// Wisconsin's bi-weekly tables and the 0.85 credit per exemption.
void WisconsinSet(PayrollContext& ctx);

}  // namespace corvanta
