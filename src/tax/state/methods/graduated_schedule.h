#pragma once

#include <span>

namespace corvanta {

// One bracket of a fixed schedule: it starts where the one before ends (the first at 0) and
// ends at `upper`, inclusive; `base` is the full tax of the brackets below.
struct ScheduleBracket {
    double upper;
    double rate;
    double base;
};

// The tax of a wage: base + (wage - lower) x rate of the bracket holding it. The last bracket
// has no upper bound; a wage at or below 0 falls in the first.
inline double scheduleTax(std::span<const ScheduleBracket> brackets, double wage) {
    double lower = 0;
    for (std::size_t i = 0; i + 1 < brackets.size(); ++i) {
        if (wage <= brackets[i].upper) return brackets[i].base + (wage - lower) * brackets[i].rate;
        lower = brackets[i].upper;
    }
    return brackets.back().base + (wage - lower) * brackets.back().rate;
}

}  // namespace corvanta
