#include "tax/state/methods/louisiana.h"

#include <cstdint>

#include "base/core/money.h"

namespace corvanta {
namespace {

struct LouisianaFigures {
    double perPersonal;
    double perDependent;
    double firstThreshold;
    double secondThreshold;
};

// Two personal exemptions (a married couple) double both thresholds.
LouisianaFigures figuresFor(bool biWeekly, std::int64_t personal) {
    const bool doubled = personal == 2;
    if (biWeekly) {
        return {173.08, 38.46, doubled ? 961.54 : 480.77, doubled ? 1923.08 : 961.54};
    }
    return {86.54, 19.23, doubled ? 480.77 : 240.38, doubled ? 961.54 : 480.77};
}

double above(double value, double threshold) { return value > threshold ? value - threshold : 0; }

}  // namespace

StateFigures LouisianaMethod(const StateMethodInputs& in) {
    const std::int64_t personal = roundHalfEven(in.settings.SingleAllowance[0]);
    const std::int64_t dependents = roundHalfEven(in.settings.MarriedAllowance[0]);
    const LouisianaFigures f = figuresFor(in.biWeekly, personal);
    const double gross = in.GrossPay;
    const double t1 = gross > 0 ? 0.021 * gross : 0;
    const double t2 = 0.0135 * above(gross, f.firstThreshold);
    const double t3 = 0.0135 * above(gross, f.secondThreshold);
    const double credits = static_cast<double>(dependents) * f.perDependent +
                           static_cast<double>(personal) * f.perPersonal;
    const double c1 = 0.021 * credits;
    const double c2 = 0.0135 * above(credits, f.firstThreshold);
    const double tax = t2 + t1 + t3 - (c2 + c1);
    StateFigures out = unchangedFigures(in);
    out.StateWithholding = tax > 0 ? static_cast<float>(tax) : 0.0f;
    return out;
}

}  // namespace corvanta
