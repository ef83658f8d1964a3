#include "tax/state/state_lines.h"

namespace corvanta {

bool applyStateLines(const std::array<BracketLine, kTableLines>& table, float wage, bool halve,
                     float& withholding) {
    auto m = [&](int k) { return halve ? table[k].MinRange / 2 : table[k].MinRange; };
    auto a = [&](int k) { return halve ? table[k].Amount / 2 : table[k].Amount; };
    bool applied = false;
    for (int k = 0; k < kTableLines; ++k) {
        const bool inRange = k + 1 < kTableLines ? (m(k) <= wage && wage < m(k + 1)) : m(k) <= wage;
        if (inRange) {
            withholding = (wage - m(k)) * table[k].Percent + a(k);
            applied = true;
        }
    }
    return applied;
}

}  // namespace corvanta
