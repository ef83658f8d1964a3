#include "state/methods/louisiana.h"

#include "core/money.h"
#include "state/methods/method_support.h"

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

void LouisianaMethod(PayrollContext& ctx) {
    const std::int64_t personal = roundHalfEven(ctx.state.SingleAllowance[0]);
    const std::int64_t dependents = roundHalfEven(ctx.state.MarriedAllowance[0]);
    const LouisianaFigures f = figuresFor(biWeeklySelected(ctx), personal);
    const double gross = ctx.result.GrossPay;
    const double t1 = gross > 0 ? 0.021 * gross : 0;
    const double t2 = 0.0135 * above(gross, f.firstThreshold);
    const double t3 = 0.0135 * above(gross, f.secondThreshold);
    const double credits = static_cast<double>(dependents) * f.perDependent +
                           static_cast<double>(personal) * f.perPersonal;
    const double c1 = 0.021 * credits;
    const double c2 = 0.0135 * above(credits, f.firstThreshold);
    const double tax = t2 + t1 + t3 - (c2 + c1);
    ctx.result.StateWithholding = tax > 0 ? static_cast<float>(tax) : 0.0f;
}

void LouisianaSet(PayrollContext& ctx) {
    StateDialogModel& d = ctx.stateDialog;
    d.Label14 = "Personal";
    d.Label15 = "Dependent";
    d.Label21 = "Enter Number Of";
    d.Label13.clear();
    d.MarriedTableHeading = "Table for MARRIED Persons";
    blankRowLabels(d);
    enableAllowances(d, false);
    d.txtStatePerBS[0].text = "0";
    d.txtStatePerBM[0].text = "0";
    for (int k = 1; k < kTableLines; ++k) {
        d.txtStateMinBS[k].text = d.txtStateMinBM[k].text = "999999";
        d.txtStateAmtBS[k].text = d.txtStateAmtBM[k].text = "0";
        d.txtStatePerBS[k].text = d.txtStatePerBM[k].text = "0";
    }
    enableTables(d, false);
    const float personal = ctx.state.SingleAllowance[0];
    const float dependents = ctx.state.MarriedAllowance[0];
    d.txtStateSgExp[0].text = personal > 2 ? "0" : shortestText(personal);
    d.txtStateMarExp[0].text = dependents > 6 ? "0" : shortestText(dependents);
    d.txtStateSgExp[0].enabled = true;
    d.txtStateMarExp[0].enabled = true;
}

}  // namespace corvanta
