#pragma once

#include <array>

#include "tax/state/state_method_inputs.h"

namespace corvanta {

// The exemption count as an allowance index. The calculation refuses counts outside 0..9
// before any method runs; a setter may still meet one from an edited file.
int exemptionIndex(int exemptions);

// The allowance column of the state status at the current exemption count.
float statusAllowance(const StateMethodInputs& in);

// The range test over the first `lines` lines: line k applies when m(k) <= wage < m(k+1), the
// last line has no upper bound. Calls apply(k, m, a, p) for every applying line, in order,
// with minimum and amount halved (to 32 bits) when halve is set.
template <typename Apply>
void forEachLineInRange(const std::array<BracketLine, kTableLines>& table, int lines, float wage,
                        bool halve, Apply apply) {
    auto m = [&](int k) { return halve ? table[k].MinRange / 2 : table[k].MinRange; };
    for (int k = 0; k < lines; ++k) {
        const bool inRange = k + 1 < lines ? (m(k) <= wage && wage < m(k + 1)) : m(k) <= wage;
        if (!inRange) continue;
        const float amount = halve ? table[k].Amount / 2 : table[k].Amount;
        apply(k, m(k), amount, table[k].Percent);
    }
}

}  // namespace corvanta
