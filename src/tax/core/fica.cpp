#include "tax/core/fica.h"

namespace corvanta {

float socialSecurityTax(const FicaWage& w) {
    const Currency wage = Currency::fromFloat(w.grossPay) - Currency::fromFloat(w.cafeteria);
    const Currency ytd = w.ytdSocSecWages;
    const double after = (ytd + wage).toDouble();
    // A period that ends exactly on the base is still wholly below it.
    const double room = SsWageBase - after;
    float tax = room >= 0 ? static_cast<float>(wage.toDouble() * kSocSecRate) : 0.0f;
    if (after > SsWageBase && ytd.toDouble() < SsWageBase) {
        tax = static_cast<float>((SsWageBase - ytd.toDouble()) * kSocSecRate);
    }
    // A cafeteria plan larger than the pay leaves no wage to tax, not a refund.
    if (tax < 0) tax = 0;
    if (tax > 0 && w.selfEmployed) tax *= 2;
    return tax;
}

float medicareTax(const FicaWage& w) {
    auto tax = static_cast<float>(static_cast<double>(w.grossPay - w.cafeteria) * kMedicareRate);
    if (tax < 0) tax = 0;
    if (w.selfEmployed) tax *= 2;
    return tax;
}

float insuranceTax(int useBase, float percent, float wageBase, Currency ytdGross, float gross) {
    if (useBase == 0) return wageBase;  // a flat amount per period
    const double ytd = ytdGross.toDouble();
    if (ytd >= static_cast<double>(wageBase)) return 0;
    auto tax = static_cast<float>(static_cast<double>(percent) * 0.01 * gross);
    const Currency after = ytdGross + Currency::fromFloat(gross);
    if (after.toDouble() > static_cast<double>(wageBase)) {
        tax = static_cast<float>((static_cast<double>(wageBase) - ytd) *
                                 (static_cast<double>(percent) * 0.01));
    }
    return tax;
}

}  // namespace corvanta
