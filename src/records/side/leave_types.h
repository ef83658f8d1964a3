#pragma once

#include <array>
#include <string>

namespace corvanta {

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

}  // namespace corvanta
