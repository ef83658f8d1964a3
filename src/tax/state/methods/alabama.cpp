#include "tax/state/methods/alabama.h"

#include <algorithm>
#include <array>
#include <string>

#include "base/core/money.h"
#include "tax/state/methods/method_support.h"

namespace corvanta {
namespace {

constexpr int kSteps = 20;

// A sliding standard deduction over annual gross pay.
struct AnnualScale {
    double start;
    double step;
    double deduction;
    double decrease;
    double floor;
};

constexpr AnnualScale kSingleSingle{20000, 500, 2500, 25, 2000};
constexpr AnnualScale kMarriedSingle{10000, 250, 3750, 88, 2000};
constexpr AnnualScale kMarriedMarried{20000, 500, 7500, 175, 4000};

// A scale per period: bounds[k] ends step k (bounds[0] is the start), each rounded to cents
// and compared in 32 bits so a gross pay equal to a shown bound falls in the lower step.
struct PeriodScale {
    std::array<float, kSteps + 1> bounds{};
    std::array<float, kSteps + 2> deductions{};  // the last entry applies beyond every step
};

// Every annual figure of the method divided into one pay period.
struct PeriodFigures {
    float dependentBounds[2];  // 20000 and 100000 a year
    float perDependent[3];     // 1000, 500, 300 a year
    float exemption[2];        // single, other
    float lowTop[2];           // a1: 500 single, 1000 other
    float middleTop[2];        // a3: 3000 single, 6000 other
    PeriodScale scales[3];     // single/single, married/single, married/married
};

float perPeriod(double annual, int periods) {
    return static_cast<float>(roundToCents(annual / periods));
}

PeriodScale scaleFor(const AnnualScale& s, int periods) {
    PeriodScale out;
    for (int k = 0; k <= kSteps; ++k) {
        out.bounds[k] = perPeriod(s.start + k * s.step, periods);
        out.deductions[k] = perPeriod(std::max(s.deduction - k * s.decrease, s.floor), periods);
    }
    out.deductions[kSteps + 1] = perPeriod(s.floor, periods);
    return out;
}

PeriodFigures figuresFor(int periods) {
    auto p = [periods](double annual) { return perPeriod(annual, periods); };
    return {{p(20000), p(100000)},
            {p(1000), p(500), p(300)},
            {p(1500), p(3000)},
            {p(500), p(1000)},
            {p(3000), p(6000)},
            {scaleFor(kSingleSingle, periods), scaleFor(kMarriedSingle, periods),
             scaleFor(kMarriedMarried, periods)}};
}

const PeriodFigures& periodFigures(bool biWeekly) {
    static const PeriodFigures biWeeklyFigures = figuresFor(26);
    static const PeriodFigures weeklyFigures = figuresFor(52);
    return biWeekly ? biWeeklyFigures : weeklyFigures;
}

float standardDeduction(const PeriodScale& scale, float gross) {
    for (int k = 0; k <= kSteps; ++k) {
        if (gross <= scale.bounds[k]) return scale.deductions[k];
    }
    return scale.deductions[kSteps + 1];
}

const PeriodScale& scaleFor(const PeriodFigures& f, FilingStatus fed, FilingStatus state) {
    // A W-4 at the single rate does not take a married employee's deduction away.
    if (state == FilingStatus::Married) return f.scales[2];
    return fed == FilingStatus::Single ? f.scales[0] : f.scales[1];
}

}  // namespace

StateFigures GetAlabama(const StateMethodInputs& in) {
    const PeriodFigures& f = periodFigures(in.biWeekly);
    const float gross = in.GrossPay;
    const int dependents = exemptionIndex(in.StateExemptions);
    const int band = gross <= f.dependentBounds[0] ? 0 : gross <= f.dependentBounds[1] ? 1 : 2;
    const float dependentAmount = static_cast<float>(dependents) * f.perDependent[band];
    const float standard = standardDeduction(scaleFor(f, in.FedStatus, in.StateStatus), gross);
    const int status = in.single() ? 0 : 1;
    const float taxable =
        gross - (dependentAmount + standard + f.exemption[status] + in.FedWithholding);
    const float a1 = f.lowTop[status];
    const float a3 = f.middleTop[status];
    float tax = taxable * 0.02f;
    // The 4% bracket runs to a3, where the 5% bracket takes over without a step.
    if (taxable > a1 && taxable <= a3) tax = (taxable - a1) * 0.04f + a1 * 0.02f;
    if (taxable > a3) tax = (taxable - a3) * 0.05f + a1 * 0.02f + (a3 - a1) * 0.04f;
    StateFigures out = unchangedFigures(in);
    out.StateWithholding = tax;
    return out;
}

}  // namespace corvanta
