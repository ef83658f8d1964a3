#include "cli/calc_command.h"

#include <set>

#include "cli/cli_args.h"
#include "cli/json_writer.h"
#include "cli/ledger_command.h"
#include "cli/week_option.h"
#include "session/core/calculate.h"
#include "session/files/employee_hold.h"
#include "session/ytd/ledger_ops.h"

namespace corvanta {

const std::vector<std::string> kCalcValuedOptions{
    "--straight", "--straight2", "--ot",   "--ot15",  "--holiday", "--vacation",
    "--dollars",  "--tips",      "--week", "--label", "--post"};
const std::vector<std::string> kCalcSwitches{"--2x", "--no-save"};

void runCalculation(PayrollContext& ctx, const CliArgs& args) {
    // Every box is typed, an option not given as an empty box, so a command gives the same
    // figures whatever the boxes held before.
    requireFederalTable(ctx);
    static const std::array<const char*, kEntryBoxes> boxOptions{
        "--straight", "--straight2", "--ot",      "--ot15",
        "--holiday",  "--vacation",  "--dollars", "--tips"};
    for (int i = 0; i < kEntryBoxes; ++i) {
        ctx.window.txtAmount[i] = args.value(boxOptions[i]).value_or("");
    }
    ctx.window.opt1x = !args.has("--2x");
    ctx.window.txtWeek = weekOption(args, args.value("--post").has_value());
    Calcu_late(ctx, CalculateOptions{.save = false});
}

std::string calculationJson(const PayrollContext& ctx) {
    const PayResult& r = ctx.result;
    JsonWriter j;
    j.beginObject();
    j.number("GrossPay", r.GrossPay).number("KPlanAmount", r.KPlanAmount);
    j.number("TaxableGross", r.TaxableGross).number("PensionAmount", r.PensionAmount);
    j.number("CafeteriaThisPeriod", r.CafeteriaThisPeriod).number("FedAllowance", r.FedAllowance);
    j.number("FedTaxableWage", r.FedTaxableWage).number("FedWithholding", r.FedWithholding);
    j.number("SocSecTax", r.SocSecTax).number("MedicareTax", r.MedicareTax);
    j.number("StateAllowance", r.StateAllowance);
    j.number("StateCafeteriaReduction", r.StateCafeteriaReduction);
    j.number("StateWithholding", r.StateWithholding).number("CityAllowance", r.CityAllowance);
    j.number("CityTaxableWage", r.CityTaxableWage).number("LocalTax", r.LocalTax);
    j.number("SdiTax", r.SdiTax).number("SuiTax", r.SuiTax);
    j.number("Reg1Pay", r.Reg1Pay).number("Reg2Pay", r.Reg2Pay);
    j.number("TotalOt", r.TotalOt).number("TotalTips", r.TotalTips);
    j.number("TaxDeduct", r.TaxDeduct).number("TotDeduct", r.TotDeduct);
    j.number("NetPay", r.NetPay).number("PayRate", ctx.entry.PayRate);
    const CalculatorWindow& w = ctx.window;
    j.beginObject("labels");
    j.text("Label13", w.Label13).text("lbNet", w.lbNet).text("lbTaxes", w.lbTaxes);
    j.text("lbDeduct", w.lbDeduct).text("lbOverT", w.lbOverT).text("lbTips", w.lbTips);
    j.text("lbSDI", w.lbSDI).text("lbSUI", w.lbSUI).text("lbCafe", w.lbCafe);
    j.text("lbTaxVer", w.lbTaxVer).text("lbTableNotice", w.lbTableNotice);
    j.beginArray("lbTaxDed");
    for (const std::string& t : w.lbTaxDed) j.text(t);
    j.endArray();
    j.endObject();
    j.beginArray("boxes");
    for (const std::string& t : w.txtAmount) j.text(t);
    j.endArray();
    j.endObject();
    return j.str();
}

int calcCommand(const std::vector<std::string>& argv, CommandEnv& env) {
    const std::set<std::string> valued(kCalcValuedOptions.begin(), kCalcValuedOptions.end());
    const std::set<std::string> switches(kCalcSwitches.begin(), kCalcSwitches.end());
    const CliArgs args("calc", argv, withEmployeeOptions(env, valued), switches);
    std::optional<PayrollContext> own;
    PayrollContext& ctx = commandEmployee(args, env, own);
    // A calculation that would be saved is refused whole, before any output.
    if (!args.has("--no-save") || args.value("--post")) claimForWriting(ctx);
    runCalculation(ctx, args);
    const auto post = args.value("--post");
    const int row = post ? ledgerRowIndex(*post, ctx.profile) : -1;
    // A week already posted would pay the employee twice: refused before anything is saved.
    if (post) refuseWeekPostedTwice(ctx, ctx.window.txtWeek, row);
    env.out << calculationJson(ctx) << "\n";
    // The closing save of every calculation; a failure is reported with the file's name.
    if (!args.has("--no-save")) SaveUserFiles(ctx);
    if (post) postToLedger(ctx, row);
    return 0;
}

}  // namespace corvanta
