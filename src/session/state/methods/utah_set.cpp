#include "session/state/methods/setter_support.h"
#include "session/state/state_setters.h"
#include "tax/state/methods/utah.h"
#include "tax/state/pay_date.h"

namespace corvanta {
namespace {

constexpr int kUtahLines = 7;

std::string ruleCaption(const std::string& payPeriodDate) {
    const auto payDate = readPayDate(payPeriodDate);
    if (!payDate) {
        return "Utah: the pay period date is not a date, so the 2008 formula applies; the table "
               "is not used.";
    }
    if (utahFlatRateApplies(payDate)) {
        return "Utah: wages paid from 2/1/2008 are withheld by the 2008 formula; the table is "
               "not used.";
    }
    return "Utah: wages paid before 2/1/2008 are withheld by this table.";
}

}  // namespace

void UtahSet(PayrollContext& ctx) {
    static constexpr LineText single[kUtahLines]{
        {"0", "0", "0"},      {"254", "0", "0.01"}, {"315", "0", "0.02"}, {"423", "0", "0.03"},
        {"565", "0", "0.04"}, {"812", "0", "0.05"}, {"1531", "0", "0.05"}};
    static constexpr LineText married[kUtahLines]{
        {"0", "0", "0"},       {"508", "0", "0.01"},  {"631", "0", "0.02"}, {"846", "0", "0.03"},
        {"1131", "0", "0.04"}, {"1623", "0", "0.05"}, {"3062", "0", "0.05"}};
    StateDialogModel& d = ctx.stateDialog;
    writeSingleTable(d, single, kUtahLines);
    writeMarriedTable(d, married, kUtahLines);
    enableTables(d, true);
    writeAllowanceSteps(d, biWeeklySelected(ctx) ? 500 : 200);
    enableAllowances(d, true);
    numberRowLabels(d);
    d.ckSpouse = 0;
    d.ckSpouseVisible = false;
    d.lbStateRule = ruleCaption(ctx.window.txtWeek);
}

}  // namespace corvanta
