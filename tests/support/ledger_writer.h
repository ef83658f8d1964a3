#pragma once

#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "session/core/calculate.h"
#include "session/files/new_employee.h"
#include "session/ytd/ledger_file.h"
#include "session/ytd/ledger_ops.h"
#include "support/cli_runner.h"
#include "support/temp_folder.h"

namespace corvanta::testing {

// One ledger row as posted. Net is gross less the three taxes unless given.
struct PostedRow {
    const char* week;
    float gross, federal, socSec, medicare;
    float kPlan = 0, pension = 0, cafeteria = 0, tips = 0, state = 0, city = 0;
    std::optional<float> net;
};

// Writes an employee with the given ledger rows; `setUp` changes her profile first.
inline void writeLedgerEmployee(const TempFolder& folder, const std::string& name,
                                const std::vector<PostedRow>& rows,
                                const std::function<void(EmployeeProfile&)>& setUp = {}) {
    PayrollContext ctx = folder.context();
    ctx.employee() = newEmployeeRecord(name);
    ctx.profile.EmployeeName = name + " Clerk";
    if (setUp) setUp(ctx.profile);
    SaveUserFiles(ctx);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        LedgerRow& r = ctx.ledger.rows[i];
        const PostedRow& in = rows[i];
        r.WeekLabel = in.week;
        r.Gross = in.gross;
        r.Federal = in.federal;
        r.SocSec = in.socSec;
        r.Medicare = in.medicare;
        r.KPlan = in.kPlan;
        r.Pension = in.pension;
        r.Cafeteria = in.cafeteria;
        r.Tips = in.tips;
        r.State = in.state;
        r.City = in.city;
        r.Net = in.net.value_or(in.gross - in.federal - in.socSec - in.medicare);
    }
    showLedgerGrid(ctx.ledger, ctx.profile);
    SaveAnnual(ctx);
}

inline void makeBiWeekly(EmployeeProfile& p) { p.frequency = PayFrequency::BiWeekly; }

// The register of the folder as JSON.
inline nlohmann::json folderRegister(const TempFolder& folder, const std::string& span,
                                     const std::string& period) {
    const CliResult r = runCli({"register", span, period, "--json", "--dir", folder.path()});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return r.exitCode == 0 ? nlohmann::json::parse(r.out) : nlohmann::json::object();
}

inline std::string allChecks(const nlohmann::json& reg) {
    std::string all;
    for (const auto& line : reg.value("checks", nlohmann::json::array())) {
        all += line.get<std::string>() + "\n";
    }
    return all;
}

}  // namespace corvanta::testing
