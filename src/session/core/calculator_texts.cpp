#include "session/core/calculator_texts.h"

#include "base/core/money.h"

namespace corvanta {
namespace {

constexpr const char* kMoney = "$#,###.00";
constexpr const char* kAmount = "#,###.00";

}  // namespace

void showFigures(CalculatorWindow& w, const PeriodFigures& f) {
    const PayResult& r = f.result;
    const PeriodDeductions& d = f.deductions;
    auto amount = [](auto value) { return formatPattern(value, kAmount); };
    w.lbTaxDed = {amount(r.FedWithholding), amount(r.SocSecTax),
                  amount(r.MedicareTax),    amount(r.StateWithholding),
                  amount(r.LocalTax),       amount(d.credit),
                  amount(d.bond),           amount(d.dues),
                  amount(r.PensionAmount),  amount(d.misc),
                  amount(r.KPlanAmount)};
    w.lbSDI = amount(r.SdiTax);
    w.lbSUI = amount(r.SuiTax);
    w.lbCafe = amount(r.CafeteriaThisPeriod);
    // The gross shows only where something of it is taxable.
    w.Label13 = r.TaxableGross != 0 ? formatPattern(r.GrossPay, kMoney) : "";
    w.lbTaxes = formatPattern(r.TaxDeduct, kMoney);
    w.lbDeduct = formatPattern(r.TotDeduct, kMoney);
    w.lbNet = formatPattern(r.NetPay, kMoney);
    w.lbOverT = formatPattern(r.TotalOt, kMoney);
    w.lbTips = formatPattern(r.TotalTips, kMoney);
    for (int i = 0; i < kEntryBoxes; ++i) {
        if (f.entries.boxes[i] == 0.0) w.txtAmount[i].clear();
    }
}

void clearFigures(CalculatorWindow& w) {
    for (std::string& label : w.lbTaxDed) label.clear();
    for (std::string* label : {&w.lbSDI, &w.lbSUI, &w.lbCafe, &w.Label13, &w.lbNet, &w.lbTaxes,
                               &w.lbDeduct, &w.lbOverT, &w.lbTips}) {
        label->clear();
    }
}

}  // namespace corvanta
