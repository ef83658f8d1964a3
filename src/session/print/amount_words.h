#pragma once

#include <string>
#include <string_view>

#include "session/core/payroll_context.h"

namespace corvanta {

inline constexpr const char* kAmountTooLarge = "Dollar amount is too large";
inline constexpr const char* kNegativeAmount = "No check for a negative amount";
inline constexpr const char* kVoidAmount = "*********";  // nothing a forger can extend
inline constexpr double kLargestCheck = 999999.99;

// The amount a check pays: the net pay to the cent as the calculator window and the stubs
// show it (the seven digits of the Single), so words, figure and stubs agree.
double checkAmount(const PayResult& result);

// Appends the words of a three-digit group, each word after a blank: "105" gives
// " One Hundred Five".
void GroupInWords(std::string_view group, std::string& words);

// The words of an amount: " One Thousand and No/100", "Zero and 45/100". An amount above
// 999999.99 or below 0 gives a refusal instead, so no wrong figure is ever written out.
std::string amountInWords(double amount);

// The amount with stars for its leading zeros ("**1234.50"); below one dollar the plain
// "000000.45". An amount that gets no check (too large, negative) is all stars.
std::string protectedAmount(double amount);

// Fills the payee block and the words from the profile and the last net pay.
void AmountInWords(PayrollContext& ctx);

// The protected text of the last net pay. The net pay itself is left as it is.
std::string ProtectAmount(const PayrollContext& ctx);

// The check window's load: words, amount and the date from the calculator window.
void loadCheckWindow(PayrollContext& ctx);

// A click on the check window or its getting the focus: as the load, but the date stays.
void refreshCheckWindow(PayrollContext& ctx);

}  // namespace corvanta
