#include "session/core/calculate.h"

#include <cmath>

#include "base/core/numeric_text.h"
#include "base/files/file_io.h"
#include "session/core/payroll_taxes.h"
#include "session/files/employee_files.h"
#include "session/local/local_files.h"
#include "session/side/leave_record.h"
#include "session/side/overtime_sheet_ops.h"
#include "session/state/state_file.h"
#include "session/state/state_withholding.h"

namespace corvanta {
namespace {

constexpr const char* kMoney = "$#,###.00";
constexpr const char* kAmount = "#,###.00";

// Every entry box is read by one rule however its text arrived; a box that does not hold one
// plain number is refused with its caption named, before anything changes.
// Returns the value of every box, 0 for those that hold none.
std::array<double, kEntryBoxes> checkEntryBoxes(const CalculatorWindow& w) {
    std::array<double, kEntryBoxes> values{};
    for (int i = 0; i < kEntryBoxes; ++i) {
        const std::string& text = w.txtAmount[i];
        const auto number = entryValue(text);
        const bool valid = number.has_value() && (i == 6 ? std::fabs(*number) < 9.2e14
                                                         : std::fabs(*number) <= 3.402823466e38);
        if (valid) {
            values[i] = *number;
        } else {
            throw UserError("The entry \"" + text + "\" in " + kEntryCaptions[i] +
                                " is not a number.\r\nCorrect it and calculate again.",
                            "Calculate");
        }
    }
    return values;
}

int checkedFederalExemptions(const EmployeeProfile& p) {
    const auto n = strictInteger(p.FedExemptions);
    if (!n || *n < 0 || *n > 9) {
        throw UserError("The number of federal exemptions \"" + p.FedExemptions +
                            "\" is not 0 to 9.\r\nChoose it again in User Info.",
                        "Calculate");
    }
    return *n;
}

bool isFilingStatus(const std::string& status) { return status == "Single" || status == "Married"; }

// A status other than the two the lists offer can only come from an edited file; it would
// otherwise withhold at the married rates.
void checkFilingStatus(const std::string& status, const std::string& file, const char* which) {
    if (isFilingStatus(status)) return;
    throw UserError("The " + std::string(which) + " filing status \"" + status + "\" in the file " +
                        file + " is neither Single nor Married.\r\nChoose it again in User Info.",
                    "Calculate");
}

// Amounts are Singles, which show 7 digits: from 100,000.00 up the cents are lost.
void checkShownToTheCent(double amount, const char* figure) {
    if (std::fabs(amount) < kLargestSingleCents + 0.005) return;
    throw UserError("The " + std::string(figure) + " of " + formatPattern(amount, "#,###.00") +
                        " is too large: amounts of 100,000.00 or more cannot be shown to the "
                        "cent.\r\nThe calculation was not made.",
                    "Calculate");
}

void checkStateExemptions(const PayrollContext& ctx) {
    const int n = ctx.profile.StateExemptions;
    if (n < 0 || n > 9) {
        throw UserError("The number of state exemptions (" + std::to_string(n) + ") in the file " +
                            ctx.UserFileBase +
                            ".sta is not 0 to 9.\r\n"
                            "Choose it again in User Info.",
                        "Calculate");
    }
}

void clearResultLabels(CalculatorWindow& w) {
    for (std::string& label : w.lbTaxDed) label.clear();
    for (std::string* label : {&w.lbSDI, &w.lbSUI, &w.lbCafe, &w.Label13, &w.lbNet, &w.lbTaxes,
                               &w.lbDeduct, &w.lbOverT, &w.lbTips}) {
        label->clear();
    }
}

void resetResults(PayrollContext& ctx) {
    PayResult& r = ctx.result;
    r.TaxableGross = r.NetPay = r.FedWithholding = r.SdiTax = r.SuiTax = 0;
    r.SocSecTax = r.MedicareTax = 0;
    r.TaxDeduct = r.TotDeduct = r.StateWithholding = r.LocalTax = 0;
    r.CafeteriaThisPeriod = ctx.profile.CafeteriaAmount;
    CalculatorWindow& w = ctx.window;
    w.Label13.clear();
    w.lbNet.clear();
    w.lbTaxes.clear();
    w.lbDeduct.clear();
    w.lbOverT.clear();
    w.lbTips.clear();
    for (std::string& label : w.lbTaxDed) label.clear();
}

void readEntryBoxes(PayrollContext& ctx, const std::array<double, kEntryBoxes>& values) {
    for (int i = 0; i < kEntryBoxes; ++i) {
        if (values[i] == 0.0) ctx.window.txtAmount[i] = "0";
    }
    PeriodEntry& e = ctx.entry;
    auto single = [&](int i) { return static_cast<float>(values[i]); };
    e.StrHrs = single(0);
    e.StrHrs2 = single(1);
    e.OtVar = single(2);
    e.OtHrs = single(3);
    e.Avas = single(4);
    e.VacDys = single(5);
    e.Addit = Currency::fromDouble(values[6]);
    e.TipsHrs = single(7);
}

void lookUpAllowances(PayrollContext& ctx, int fedExemptions) {
    const EmployeeProfile& p = ctx.profile;
    PayResult& r = ctx.result;
    const bool fedSingle = p.FedStatus == "Single";
    r.FedAllowance = fedSingle ? ctx.federal.singleAllowance[fedExemptions]
                               : ctx.federal.marriedAllowance[fedExemptions];
    const int n = p.StateExemptions;
    const bool single = p.StateStatus == "Single";
    r.StateAllowance = single ? ctx.state.SingleAllowance[n] : ctx.state.MarriedAllowance[n];
    r.CityAllowance = single ? ctx.city.SingleAllowance[n] : ctx.city.MarriedAllowance[n];
}

void computeGross(PayrollContext& ctx) {
    const EmployeeProfile& p = ctx.profile;
    PeriodEntry& e = ctx.entry;
    PayResult& r = ctx.result;
    if (!ctx.window.opt1x) e.OtVar *= 2;
    const float rate = e.PayRate;
    const double timeAndHalf = static_cast<double>(e.OtHrs) * 1.5;
    r.TotalOt = static_cast<float>(static_cast<double>(e.OtVar * rate) +
                                   static_cast<double>(rate) * timeAndHalf);
    r.TotalTips = p.TipsRate * e.TipsHrs;
    const float straight = p.HourlyRate2 * e.StrHrs2 + e.StrHrs * rate;
    const double a = static_cast<double>(straight) + static_cast<double>(rate) * timeAndHalf +
                     static_cast<double>(e.Avas * rate);
    const Currency gross = Currency::fromDouble(a) + e.Addit + Currency::fromFloat(e.OtVar * rate) +
                           Currency::fromFloat(rate * e.VacDys) +
                           Currency::fromFloat(p.TipsRate * e.TipsHrs);
    checkShownToTheCent(gross.toDouble(), "gross pay");
    r.GrossPay = gross.toFloat();
    r.Reg1Pay = e.StrHrs * rate;
    r.Reg2Pay = p.HourlyRate2 * e.StrHrs2;
}

void computeFederal(PayrollContext& ctx) {
    const EmployeeProfile& p = ctx.profile;
    PayResult& r = ctx.result;
    const auto gross = static_cast<double>(r.GrossPay);
    r.KPlanAmount = p.KPlanIsPercent == 1
                        ? static_cast<float>(static_cast<double>(p.KPlanValue) * 0.01 * gross)
                        : p.KPlanValue;
    r.PensionAmount = static_cast<float>(static_cast<double>(p.PensionPercent) * 0.01 * gross);
    r.TaxableGross = r.GrossPay - r.KPlanAmount;
    if (p.isBiWeekly()) r.FedAllowance *= 2;
    r.FedTaxableWage = r.TaxableGross - r.PensionAmount - r.FedAllowance - r.CafeteriaThisPeriod;
    if (p.FedExempt != 0) return;
    const FederalTable& t = ctx.federal;
    const bool single = p.FedStatus == "Single";
    if (p.isBiWeekly()) {
        r.FedWithholding =
            federalBrackets(single ? t.singleBiWeekly : t.marriedBiWeekly, r.FedTaxableWage);
    } else if (p.PayWeekly != 0) {
        r.FedWithholding =
            federalBrackets(single ? t.singleWeekly : t.marriedWeekly, r.FedTaxableWage);
    }
}

void roundAndTotal(PayrollContext& ctx) {
    EmployeeProfile& p = ctx.profile;
    PayResult& r = ctx.result;
    r.FedWithholding = roundToCents(r.FedWithholding + p.FedAddWithholding);
    for (float* v : {&r.SocSecTax, &r.MedicareTax, &p.CreditDeduction, &p.BondDeduction,
                     &p.DuesDeduction, &r.PensionAmount, &p.MiscDeduction, &r.KPlanAmount,
                     &r.SdiTax, &r.SuiTax, &r.CafeteriaThisPeriod}) {
        *v = roundToCents(*v);
    }
    r.LocalTax = roundSingleToCents(r.LocalTax);
    if (p.FedExempt != 0) r.FedWithholding = 0;
    r.StateWithholding =
        roundSingleToCents(r.StateWithholding + static_cast<double>(ctx.state.StateAdjustment));
    if (ctx.state.RoundState != 0) r.StateWithholding = roundToWholeDollarsEven(r.StateWithholding);
    if (r.StateWithholding < 0) r.StateWithholding = 0;

    // The sums are of cent amounts, so they are kept as the cent amount they denote.
    auto d = [](float v) { return shownAsDouble(v); };
    r.TaxDeduct = roundToCents(r.StateWithholding + d(r.FedWithholding) + d(r.SdiTax) +
                               d(r.SuiTax) + r.LocalTax + d(r.MedicareTax) + d(r.SocSecTax));
    r.TotDeduct = roundToCents(d(p.BondDeduction) + d(p.CreditDeduction) + d(p.MiscDeduction) +
                               d(p.DuesDeduction) + d(r.KPlanAmount) + d(r.PensionAmount) +
                               d(r.CafeteriaThisPeriod));
    const double net = static_cast<double>(r.GrossPay) - (r.TotDeduct + r.TaxDeduct) -
                       static_cast<double>(r.TotalTips);
    checkShownToTheCent(net, "net pay");
    r.NetPay = static_cast<float>(net);
}

void showResults(PayrollContext& ctx) {
    const EmployeeProfile& p = ctx.profile;
    const PayResult& r = ctx.result;
    CalculatorWindow& w = ctx.window;
    auto amount = [](auto value) { return formatPattern(value, kAmount); };
    w.lbTaxDed = {amount(r.FedWithholding),   amount(r.SocSecTax),     amount(r.MedicareTax),
                  amount(r.StateWithholding), amount(r.LocalTax),      amount(p.CreditDeduction),
                  amount(p.BondDeduction),    amount(p.DuesDeduction), amount(r.PensionAmount),
                  amount(p.MiscDeduction),    amount(r.KPlanAmount)};
    w.lbSDI = formatPattern(r.SdiTax, kAmount);
    w.lbSUI = formatPattern(r.SuiTax, kAmount);
    w.lbCafe = formatPattern(r.CafeteriaThisPeriod, kAmount);
    w.lbTaxes = formatPattern(r.TaxDeduct, kMoney);
    w.lbDeduct = formatPattern(r.TotDeduct, kMoney);
    w.lbNet = formatPattern(r.NetPay, kMoney);
    w.lbOverT = formatPattern(r.TotalOt, kMoney);
    w.lbTips = formatPattern(r.TotalTips, kMoney);
    for (std::string& text : w.txtAmount) {
        if (entryValue(text).value_or(0.0) == 0.0) text.clear();
    }
}

}  // namespace

PeriodInputs checkedPeriodInputs(const PayrollContext& ctx) {
    PeriodInputs inputs;
    inputs.boxValues = checkEntryBoxes(ctx.window);
    inputs.fedExemptions = checkedFederalExemptions(ctx.profile);
    checkFilingStatus(ctx.profile.FedStatus, ctx.UserFileBase + ".use", "federal");
    checkFilingStatus(ctx.profile.StateStatus, ctx.UserFileBase + ".sta", "state and city");
    return inputs;
}

void requireFederalTable(const PayrollContext& ctx) {
    if (canOpenForReading(ctx.folder / kFederalTableFile)) return;
    throw FileError("The federal tax table file " + std::string(kFederalTableFile) +
                        " is missing or cannot be read, so no federal tax can be "
                        "withheld.\r\nPut the file in the folder " +
                        ctx.folder.string() + " and try again.",
                    kFederalTableFile);
}

void loadFederalTable(PayrollContext& ctx) {
    const auto path = ctx.folder / kFederalTableFile;
    if (!canOpenForReading(path)) {
        ctx.showMessage({federalTableMissingMessage()});
        return;
    }
    const auto content = readFileIfExists(path);
    ctx.federal = parseFederalTable(content.value_or(""), kFederalTableFile);
    ctx.window.lbTaxVer = ctx.federal.TableVersion;
}

void computePayPeriod(PayrollContext& ctx, const PeriodInputs& inputs) {
    ctx.result.CafeteriaThisPeriod = ctx.profile.CafeteriaAmount;
    PeriodEntry& e = ctx.entry;
    const float rate = ctx.profile.HourlyRate;
    e.PayRate = (rate != 0 && rate != ctx.DefaultRate) ? rate : ctx.DefaultRate;
    readEntryBoxes(ctx, inputs.boxValues);
    lookUpAllowances(ctx, inputs.fedExemptions);
    computeGross(ctx);
    computeFederal(ctx);
    GetSocSec(ctx);
    GetMedicare(ctx);
    PayResult& r = ctx.result;
    if (ctx.profile.SocSecMedExempt != 0) r.MedicareTax = r.SocSecTax = 0;
    r.StateCafeteriaReduction = ctx.profile.CafeteriaReducesState != 0 ? r.CafeteriaThisPeriod : 0;
    runStateWithholding(ctx);
    fillBlankSdiSui(ctx.stateDialog);
    computeLocalTax(ctx);
    GetSDI_SUI(ctx);
    ctx.window.Label13 = r.TaxableGross != 0 ? formatPattern(r.GrossPay, kMoney) : "";
    roundAndTotal(ctx);
    showResults(ctx);
}

void Calcu_late(PayrollContext& ctx, const CalculateOptions& options) {
    // A refused calculation leaves the entries and the profile as they were and no result of
    // an earlier one beside them.
    const auto boxes = ctx.window.txtAmount;
    const EmployeeProfile profile = ctx.profile;
    try {
        const PeriodInputs inputs = checkedPeriodInputs(ctx);
        resetResults(ctx);
        loadFederalTable(ctx);
        if (!ctx.loaded.cityDialog) loadCityDialog(ctx);
        if (!ctx.loaded.stateDialog) loadStateDialog(ctx);
        checkStateExemptions(ctx);
        computePayPeriod(ctx, inputs);
    } catch (const UserError&) {
        ctx.window.txtAmount = boxes;
        ctx.profile = profile;
        ctx.result = PayResult{};
        clearResultLabels(ctx.window);
        clearFederalTable(ctx.federal);
        throw;
    }
    clearFederalTable(ctx.federal);
    if (options.save) SaveUserFiles(ctx);
    ctx.loaded.cityDialog = false;
    ctx.loaded.stateDialog = false;
}

void SaveUserFiles(PayrollContext& ctx) {
    captureOvertimeSheet(ctx);
    saveEmployeeFileSet(ctx);
    SaveVac(ctx);
    WriteStateFile(ctx);
    WriteCityFile(ctx);
    WriteNonCityFile(ctx);
    ctx.window.lbUser = ctx.UserFileBase;
    ctx.window.caption = ctx.UserFileBase;
    ctx.loaded = LoadedWindows{};
    ctx.overtimeWindow.loaded = false;
    ctx.leaveDialog.loaded = false;
}

void ClearAll(PayrollContext& ctx, const std::string& today) {
    CalculatorWindow& w = ctx.window;
    for (std::string& text : w.txtAmount) text.clear();
    clearResultLabels(w);
    // Every figure of the last calculation goes, so a printout after Clear or Open never shows
    // earnings beside hours that were not entered.
    ctx.result = PayResult{};
    ctx.entry = PeriodEntry{};
    w.txtWeek = today;
}

}  // namespace corvanta
