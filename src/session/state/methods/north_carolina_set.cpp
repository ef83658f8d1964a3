#include "session/state/methods/setter_support.h"
#include "session/state/state_setters.h"
#include "tax/state/methods/north_carolina.h"

namespace corvanta {

void NCSet(PayrollContext& ctx) {
    static constexpr LineText single[]{{"0", "0", "0"},
                                       {"115.38", "6.92", "0.06"},
                                       {"605.77", "12.98", "0.07"},
                                       {"2423.08", "31.15", "0.0775"}};
    static constexpr LineText married[]{{"0", "0", "0"},
                                        {"115.38", "6.92", "0.06"},
                                        {"524.04", "12.16", "0.07"},
                                        {"2038.46", "27.45", "0.0775"}};
    static constexpr AllowanceTexts allowances{"0",      "96.15", "192.3",  "288.45", "384.6",
                                               "480.75", "576.9", "673.05", "769.2",  "865.35"};
    StateDialogModel& d = ctx.stateDialog;
    writeSingleTable(d, single, 4);
    writeMarriedTable(d, married, 4);
    writeAllowances(d, allowances, allowances);
    enableTables(d, true);
    enableAllowances(d, true);
}

}  // namespace corvanta
