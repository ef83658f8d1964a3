#include "tax/state/methods/arizona.h"

namespace corvanta {

StateFigures ArizonaMethod(const StateMethodInputs& in) {
    StateFigures out = unchangedFigures(in);
    const float rate = in.settings.tableFor(in.StateStatus)[0].Percent;
    out.StateWithholding = in.FedWithholding * rate;
    return out;
}

}  // namespace corvanta
