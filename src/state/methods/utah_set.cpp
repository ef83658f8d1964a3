#include "state/methods/setter_support.h"
#include "state/methods/utah.h"

namespace corvanta {
namespace {

constexpr int kUtahLines = 7;

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
}

}  // namespace corvanta
