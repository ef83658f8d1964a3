#pragma once

#include "tax/state/state_method_inputs.h"

namespace corvanta {

// Massachusetts: a flat rate on gross pay less FICA (until the year's FICA passes 2000) and
// less the exemption amount.
StateFigures MassMethod(const StateMethodInputs& in);

}  // namespace corvanta
