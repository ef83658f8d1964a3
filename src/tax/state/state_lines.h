#pragma once

#include <array>

#include "tax/state/state_settings.h"

namespace corvanta {

// Applies one line selection to a wage: the last line k with m(k) <= wage < m(k+1) (line 10
// unbounded) gives (wage - m(k)) x p(k) + a(k). Returns false when no line applies.
bool applyStateLines(const std::array<BracketLine, kTableLines>& table, float wage, bool halve,
                     float& withholding);

}  // namespace corvanta
