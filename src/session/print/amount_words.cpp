#include "session/print/amount_words.h"

#include <array>

#include "base/core/money.h"

namespace corvanta {
namespace {

constexpr std::array<const char*, 10> kTensWords{"",      "Ten",   "Twenty",  "Thirty", "Forty",
                                                 "Fifty", "Sixty", "Seventy", "Eighty", "Ninety"};
constexpr std::array<const char*, 20> kOnesWords{
    "",         "One",     "Two",     "Three",     "Four",     "Five",    "Six",
    "Seven",    "Eight",   "Nine",    "Ten",       "Eleven",   "Twelve",  "Thirteen",
    "Fourteen", "Fifteen", "Sixteen", "Seventeen", "Eighteen", "Nineteen"};

int digit(char c) { return c >= '0' && c <= '9' ? c - '0' : 0; }

int groupValue(std::string_view group) {
    int value = 0;
    for (const char c : group) value = value * 10 + digit(c);
    return value;
}

bool refused(double amount) { return amount < 0 || amount > kLargestCheck; }

}  // namespace

double checkAmount(const PayResult& result) {
    return roundSingleToCents(static_cast<double>(result.NetPay));
}

void GroupInWords(std::string_view group, std::string& words) {
    if (group.size() != 3) return;
    const int hundreds = digit(group[0]);
    if (hundreds > 0) words.append(" ").append(kOnesWords[hundreds]).append(" Hundred");
    const int rest = groupValue(group.substr(1));
    if (rest < 20) {
        if (rest >= 1) words.append(" ").append(kOnesWords[rest]);
        return;
    }
    words.append(" ").append(kTensWords[digit(group[1])]);
    const int units = digit(group[2]);
    if (units >= 1) words.append(" ").append(kOnesWords[units]);
}

std::string amountInWords(double amount) {
    if (amount < 0) return kNegativeAmount;
    if (amount > kLargestCheck) return kAmountTooLarge;
    const std::string s = formatPattern(amount, "000000.00");
    const std::string_view dollars = std::string_view(s).substr(0, 6);
    std::string cents = s.substr(s.size() - 2);
    std::string words;
    if (groupValue(dollars) == 0) {
        words = "Zero";
    } else {
        if (groupValue(dollars.substr(0, 3)) > 0) {
            GroupInWords(dollars.substr(0, 3), words);
            words += " Thousand";
        }
        if (groupValue(dollars.substr(3)) > 0) GroupInWords(dollars.substr(3), words);
    }
    if (groupValue(cents) == 0) cents = "No";
    return words + " and " + cents + "/100";
}

std::string protectedAmount(double amount) {
    if (refused(amount)) return kVoidAmount;
    std::string s = formatPattern(amount, "000000.00");
    const std::size_t zeros = s.find_first_not_of('0');
    // Below one dollar every integer digit is zero and the text stays as it is.
    if (zeros >= 6) return s;
    s.replace(0, zeros, zeros, '*');
    return s;
}

void AmountInWords(PayrollContext& ctx) {
    CheckWindow& check = ctx.check;
    const EmployeeProfile& p = ctx.profile;
    check.txtPayTo = p.EmployeeName + "********";
    check.txtUserName = p.EmployeeName;
    check.txtUserAddress = p.EmployeeAddress;
    check.txtUserState = p.EmployeeCityStateZip;
    check.txtUserSSnum = p.EmployeeSsn;
    check.AmountWords = amountInWords(checkAmount(ctx.result));
    check.txtDollars = check.AmountWords;
}

std::string ProtectAmount(const PayrollContext& ctx) {
    return protectedAmount(checkAmount(ctx.result));
}

void refreshCheckWindow(PayrollContext& ctx) {
    AmountInWords(ctx);
    ctx.check.txtCheckAmt = ProtectAmount(ctx);
}

void loadCheckWindow(PayrollContext& ctx) {
    refreshCheckWindow(ctx);
    ctx.check.txtCheckDate = ctx.window.txtWeek;
    ctx.check.loaded = true;
}

}  // namespace corvanta
