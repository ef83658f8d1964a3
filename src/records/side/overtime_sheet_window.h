#pragma once

#include <array>
#include <string>

#include "records/side/overtime_sheet.h"

namespace corvanta {

// What the overtime sheet shows: the boxes as typed and the result texts.
struct OvertimeSheetWindow {
    std::string txtAnnual;
    std::string txtApPercent;
    std::array<std::string, kOvertimeRows> Text1{};  // week-ending dates
    std::array<std::string, kOvertimeRows> txtOT{};  // overtime of each row
    std::string lbEarned, txtPercent, lbMax, lbAvail;
    std::string salaryHint;  // shown when the percent of salary cannot be computed
    bool loaded = false;     // false once closed: the next use fills it from the record
};

}  // namespace corvanta
