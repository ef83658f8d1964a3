#include "cli/ledger_command.h"

#include "base/core/numeric_text.h"
#include "cli/cli_args.h"
#include "cli/json_writer.h"
#include "session/files/employee_files.h"
#include "session/ytd/ledger_file.h"
#include "session/ytd/ledger_ops.h"

namespace corvanta {
namespace {

void rowJson(JsonWriter& j, const LedgerRow& r) {
    j.beginObject();
    j.text("WeekLabel", r.WeekLabel);
    j.number("Federal", r.Federal).number("SocSec", r.SocSec).number("Medicare", r.Medicare);
    j.number("State", r.State).number("City", r.City).number("Credit", r.Credit);
    j.number("Bond", r.Bond).number("Dues", r.Dues).number("Pension", r.Pension);
    j.number("Misc", r.Misc).number("KPlan", r.KPlan).number("Overtime", r.Overtime);
    j.number("Tips", r.Tips).number("Gross", r.Gross).number("Net", r.Net);
    j.number("Sdi", r.Sdi).number("Sui", r.Sui).number("Cafeteria", r.Cafeteria);
    j.endObject();
}

void totalsJson(JsonWriter& j, const YtdTotals& t) {
    j.beginObject("totals");
    j.number("YtdFederal", t.YtdFederal).number("YtdSocSec", t.YtdSocSec);
    j.number("YtdMedicare", t.YtdMedicare).number("YtdState", t.YtdState);
    j.number("YtdCity", t.YtdCity).number("YtdCredit", t.YtdCredit).number("YtdBond", t.YtdBond);
    j.number("YtdDues", t.YtdDues).number("YtdPension", t.YtdPension);
    j.number("YtdMisc", t.YtdMisc).number("YtdKPlan", t.YtdKPlan);
    j.number("YtdOvertime", t.YtdOvertime.toDouble()).number("YtdTips", t.YtdTips.toDouble());
    j.number("YtdGross", t.YtdGross.toDouble()).number("YtdNet", t.YtdNet.toDouble());
    j.number("YtdSdi", t.YtdSdi).number("YtdSui", t.YtdSui);
    j.number("YtdCafeteria", t.YtdCafeteria);
    j.endObject();
}

}  // namespace

int ledgerRowIndex(const std::string& rowText, const EmployeeProfile& profile) {
    const int rows = rowsInUse(profile);
    const auto row = strictInteger(rowText);
    if (!row || *row < 1 || *row > rows) {
        throw UsageError("--post takes a ledger row from 1 to " + std::to_string(rows) +
                         ", not \"" + rowText + "\"");
    }
    return *row - 1;
}

void postToLedger(PayrollContext& ctx, int row) {
    PasteMe(ctx, row);
    Update(ctx);
    AddAnnual(ctx);
    SaveAnnual(ctx);
}

std::string ledgerJson(const PayrollContext& ctx) {
    JsonWriter j;
    j.beginObject();
    j.text("file", ctx.UserFileBase + ledgerExtension(ctx.profile));
    j.beginArray("rows");
    const int rows = rowsInUse(ctx.profile);
    for (int i = 0; i < rows; ++i) rowJson(j, ctx.ledger.rows[i]);
    j.endArray();
    totalsJson(j, ctx.ledger.totals);
    j.endObject();
    return j.str();
}

int ledgerCommand(const std::vector<std::string>& argv, CommandEnv& env) {
    const CliArgs args("ledger", argv, withEmployeeOptions(env, {}), {});
    std::optional<PayrollContext> own;
    const PayrollContext& ctx = commandEmployee(args, env, own);
    env.out << ledgerJson(ctx) << "\n";
    return 0;
}

}  // namespace corvanta
