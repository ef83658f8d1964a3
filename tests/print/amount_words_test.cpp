#include "session/print/amount_words.h"

#include <gtest/gtest.h>

#include <string>

#include "support/case_names.h"

namespace corvanta {
namespace {

struct WordsCase {
    const char* name;
    double amount;
    const char* words;
    const char* protectedText;
};

void PrintTo(const WordsCase& c, std::ostream* os) { *os << c.name; }

class AmountWords : public ::testing::TestWithParam<WordsCase> {};

TEST_P(AmountWords, WordsAndStars) {
    EXPECT_EQ(amountInWords(GetParam().amount), GetParam().words);
    EXPECT_EQ(protectedAmount(GetParam().amount), GetParam().protectedText);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AmountWords,
    ::testing::Values(
        WordsCase{"thousands_with_cents", 1234.50,
                  " One Thousand Two Hundred Thirty Four and 50/100", "**1234.50"},
        WordsCase{"one_hundred_thousand", 100000.00, " One Hundred Thousand and No/100",
                  "100000.00"},
        WordsCase{"tens_no_cents", 20.00, " Twenty and No/100", "****20.00"},
        WordsCase{"teens_with_cents", 15.07, " Fifteen and 07/100", "****15.07"},
        WordsCase{"cents_only", 0.45, "Zero and 45/100", "000000.45"},
        WordsCase{"ones_with_cents", 5.25, " Five and 25/100", "*****5.25"},
        WordsCase{"one_thousand", 1000.00, " One Thousand and No/100", "**1000.00"},
        WordsCase{"zero", 0, "Zero and No/100", "000000.00"},
        WordsCase{"largest_amount", 999999.99,
                  " Nine Hundred Ninety Nine Thousand Nine Hundred Ninety Nine and 99/100",
                  "999999.99"},
        WordsCase{"one_million_too_large", 1000000, kAmountTooLarge, kVoidAmount},
        WordsCase{"millions_too_large", 2500000.50, kAmountTooLarge, kVoidAmount},
        WordsCase{"negative", -12.34, kNegativeAmount, kVoidAmount},
        WordsCase{"hundreds_and_teens", 711.19, " Seven Hundred Eleven and 19/100", "***711.19"},
        WordsCase{"thousands_and_tens", 40080.9, " Forty Thousand Eighty and 90/100", "*40080.90"},
        WordsCase{"thousands_and_teens", 12019.01, " Twelve Thousand Nineteen and 01/100",
                  "*12019.01"}),
    testing::CaseName());

struct GroupCase {
    const char* name;
    const char* group;
    const char* words;
};

void PrintTo(const GroupCase& c, std::ostream* os) { *os << c.name; }

class GroupWords : public ::testing::TestWithParam<GroupCase> {};

TEST_P(GroupWords, AppendsWithLeadingBlanks) {
    std::string words = "X";
    GroupInWords(GetParam().group, words);
    EXPECT_EQ(words, std::string("X") + GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GroupWords,
    ::testing::Values(GroupCase{"zeros", "000", ""}, GroupCase{"ones", "005", " Five"},
                      GroupCase{"ten", "010", " Ten"}, GroupCase{"nineteen", "019", " Nineteen"},
                      GroupCase{"twenty", "020", " Twenty"},
                      GroupCase{"hundred_and_ones", "105", " One Hundred Five"},
                      GroupCase{"largest_group", "999", " Nine Hundred Ninety Nine"},
                      GroupCase{"even_hundreds", "300", " Three Hundred"}),
    testing::CaseName());

PayrollContext withNetPay(float net) {
    PayrollContext ctx;
    ctx.profile.EmployeeName = "Lee Park";
    ctx.profile.EmployeeSsn = "987-65-4321";
    ctx.result.NetPay = net;
    ctx.window.txtWeek = "3/7/2008";
    return ctx;
}

TEST(CheckWindow, LoadFillsPayeeWordsAmountAndDate) {
    PayrollContext ctx = withNetPay(1234.5f);
    loadCheckWindow(ctx);
    EXPECT_EQ(ctx.check.txtPayTo, "Lee Park********");
    EXPECT_EQ(ctx.check.txtUserSSnum, "987-65-4321");
    EXPECT_EQ(ctx.check.AmountWords, " One Thousand Two Hundred Thirty Four and 50/100");
    EXPECT_EQ(ctx.check.txtDollars, ctx.check.AmountWords);
    EXPECT_EQ(ctx.check.txtCheckAmt, "**1234.50");
    EXPECT_EQ(ctx.check.txtCheckDate, "3/7/2008");
}

TEST(CheckWindow, RefreshRestoresPayeeButKeepsTheDate) {
    PayrollContext ctx = withNetPay(20);
    loadCheckWindow(ctx);
    ctx.check.txtPayTo = "Someone Else";
    ctx.check.txtCheckDate = "3/8/2008";
    refreshCheckWindow(ctx);
    EXPECT_EQ(ctx.check.txtPayTo, "Lee Park********");
    EXPECT_EQ(ctx.check.txtCheckDate, "3/8/2008");
}

TEST(CheckWindow, NegativeNetPayGetsNoCheckAndStaysAsComputed) {
    PayrollContext ctx = withNetPay(-15.5f);
    loadCheckWindow(ctx);
    EXPECT_EQ(ctx.check.AmountWords, kNegativeAmount);
    EXPECT_EQ(ctx.check.txtCheckAmt, kVoidAmount);
    EXPECT_EQ(ctx.result.NetPay, -15.5f);  // the ledger may still need the true figure
}

TEST(CheckWindow, OversizedNetPayIsNeitherWrittenOutNorFigured) {
    PayrollContext ctx = withNetPay(1000000);
    loadCheckWindow(ctx);
    EXPECT_EQ(ctx.check.txtDollars, kAmountTooLarge);
    EXPECT_EQ(ctx.check.AmountWords, kAmountTooLarge);
    EXPECT_EQ(ctx.check.txtCheckAmt, "*********");
}

struct StubCentsCase {
    const char* name;
    float netPay;
    const char* amount;  // the check's figure
    const char* cents;   // the words' cents
};

void PrintTo(const StubCentsCase& c, std::ostream* os) { *os << c.name; }

class CheckMatchesTheStub : public ::testing::TestWithParam<StubCentsCase> {};

// The check pays the cents the calculator window and the stubs show, not the cents of the
// Single's binary value.
TEST_P(CheckMatchesTheStub, AmountAndWordsHaveTheShownCents) {
    const StubCentsCase& c = GetParam();
    PayrollContext ctx = withNetPay(c.netPay);
    loadCheckWindow(ctx);
    EXPECT_EQ(ctx.check.txtCheckAmt, c.amount);
    EXPECT_NE(ctx.check.AmountWords.find(c.cents), std::string::npos) << ctx.check.AmountWords;
    const std::string shown = formatPattern(ctx.result.NetPay, "#####.00");
    EXPECT_EQ(std::string(c.amount).substr(std::string(c.amount).find_first_not_of('*')), shown);
}

INSTANTIATE_TEST_SUITE_P(
    NetPays, CheckMatchesTheStub,
    ::testing::Values(StubCentsCase{"half_cent_thousands", 1234.565f, "**1234.57", " 57/100"},
                      StubCentsCase{"half_cent_tens", 14.745f, "****14.75", " 75/100"},
                      StubCentsCase{"largest_net", 99999.99f, "*99999.99", " 99/100"},
                      StubCentsCase{"plain_cents", 372.46f, "***372.46", " 46/100"}),
    testing::CaseName());

}  // namespace
}  // namespace corvanta
