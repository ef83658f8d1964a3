#include "session/state/methods/setter_support.h"
#include "session/state/state_setters.h"
#include "tax/state/methods/wisconsin.h"

namespace corvanta {

void WisconsinSet(PayrollContext& ctx) {
    static constexpr LineText single[]{{"0", "0", "0"},
                                       {"153.85", "0", "0.046"},
                                       {"408.46", "11.73", "0.05154"},
                                       {"454.81", "14.12", "0.06888"},
                                       {"716.5", "32.15", "0.0728"},
                                       {"1690.5", "103.08", "0.065"},
                                       {"4428.46", "281.04", "0.0675"}};
    static constexpr LineText married[]{{"0", "0", "0"},
                                        {"211.54", "0", "0.046"},
                                        {"518.08", "14.12", "0.0615"},
                                        {"575", "17.62", "0.0738"},
                                        {"771.81", "32.15", "0.078"},
                                        {"1632.69", "99.31", "0.065"},
                                        {"4428.46", "281.04", "0.0675"}};
    StateDialogModel& d = ctx.stateDialog;
    writeSingleTable(d, single, 7);
    writeMarriedTable(d, married, 7);
    writeAllowanceSteps(d, 85);
    enableTables(d, true);
    enableAllowances(d, true);
}

}  // namespace corvanta
