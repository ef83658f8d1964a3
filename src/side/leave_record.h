#pragma once

#include <array>
#include <string>
#include <string_view>

namespace corvanta {

struct PayrollContext;

inline constexpr int kLeaveEntries = 20;

// The current employee's vacation, holiday and sick record.
struct LeaveRecord {
    float VacationStart = 0;
    float VacationBalance = 0;
    float HolidayStart = 0;
    float HolidayBalance = 0;
    float SickStart = 0;
    float SickBalance = 0;
    std::array<float, kLeaveEntries> VacationTaken{};
    std::array<float, kLeaveEntries> HolidayTaken{};
    std::array<float, kLeaveEntries> SickTaken{};
    std::array<std::string, kLeaveEntries> VacationDates{};
    std::array<std::string, kLeaveEntries> HolidayDates{};
    std::array<std::string, kLeaveEntries> SickDates{};
};

// The leave dialog's boxes and balance labels as text.
struct LeaveDialog {
    using Column = std::array<std::string, kLeaveEntries>;
    std::string txtVacBal, txtHolBal, txtSickBal;  // start balances
    std::string lbVacBal, lbHolBal, lbSickBal;     // remaining balances
    Column txtVcnt, txtHcnt, txtScnt;              // amounts taken
    Column txtVdate, txtHdate, txtSdate;           // dates
    bool loaded = false;  // false once closed: the next use shows the record again
};

enum class LeaveKind { Vacation, Holiday, Sick };

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
