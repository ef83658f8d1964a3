#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "session/core/calculate.h"
#include "session/core/payroll_context.h"
#include "session/ytd/ledger_ops.h"

namespace corvanta::testing {

// A check offset as a case label, "left_2_down_5"; the plain check is "right_0_down_0".
inline std::string checkOffsetName(int horizontal, int vertical) {
    const auto part = [](int offset, const char* less, const char* more) {
        return std::string(offset < 0 ? less : more) + "_" + std::to_string(std::abs(offset));
    };
    return part(horizontal, "left", "right") + "_" + part(vertical, "up", "down");
}

// A fixed pay period for the printouts: every kind of pay, a heading, a ledger with two
// posted weeks. The folder holds the federal table and nothing else, so the reloads before
// printing keep what is in memory.
inline void fillPrintScenario(PayrollContext& ctx) {
    ctx.UserFileBase = "Dana Whitfield";
    ctx.durableWrites = false;
    EmployeeProfile& p = ctx.profile;
    p.EmployeeName = "Dana Whitfield";
    p.EmployeeAddress = "12 Orchard Lane";
    p.EmployeeCityStateZip = "Albany, NY 12203";
    p.EmployeeSsn = "123-45-6789";
    p.HourlyRate = 18.75f;
    p.HourlyRate2 = 20;
    p.TipsRate = 3;
    p.CreditDeduction = 12.5f;
    p.KPlanValue = 4;
    ctx.heading = {"Harbor Tool Works", "400 River St", "Troy, NY 12180", "EIN 14-1234567"};
    ctx.window.txtAmount = {"40", "2", "3", "1.5", "8", "4", "25", ""};
    ctx.window.opt1x = false;
    ctx.window.txtWeek = "1/12/2008";
    ctx.loaded.stateDialog = ctx.loaded.cityDialog = true;
    Calcu_late(ctx, CalculateOptions{.save = false});
    PasteMe(ctx, 0);
    ctx.window.txtWeek = "1/19/2008";
    PasteMe(ctx, 1);
    Update(ctx);
    AddAnnual(ctx);
}

inline std::string readText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace corvanta::testing
