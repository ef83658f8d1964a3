#pragma once

#include <string>
#include <string_view>

#include "records/side/leave_types.h"

namespace corvanta {

struct PayrollContext;

// What a balance label shows when its boxes add up beyond any number.
inline constexpr const char* kLeaveBalanceOutOfRange = "too large";

// Sets the kind's balance label to its start box less the sum of its taken boxes.
void RecomputeBalance(LeaveDialog& dialog, LeaveKind kind);

// Reads the ".hol" file when it exists and shows the record, balances recomputed. A damaged
// file throws FileError naming it; the record in memory is then unchanged.
void GetVac(PayrollContext& ctx);

// The dialog's load: GetVac, blank start boxes become "0", balances recomputed.
void loadLeaveDialog(PayrollContext& ctx);

// Takes the record from the dialog and writes the ".hol" file. Throws FileError naming it, or
// UserError naming a box too large to store; nothing is taken or written then.
void SaveVac(PayrollContext& ctx);

// Empties the record and the dialog; writes nothing.
void clearVac(PayrollContext& ctx);

// The ".hol" file text, and its reader over a copy of the record.
std::string formatLeaveFile(const LeaveRecord& record);
LeaveRecord parseLeaveFile(std::string_view content, const std::string& fileName,
                           LeaveRecord record);

}  // namespace corvanta
