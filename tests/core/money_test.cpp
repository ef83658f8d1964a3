#include "base/core/money.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>

#include "base/core/numeric_text.h"
#include "support/case_names.h"

namespace corvanta {
namespace {

struct PatternCase {
    const char* name;
    double value;
    const char* pattern;
    const char* expected;
};

void PrintTo(const PatternCase& c, std::ostream* os) { *os << c.name; }

class DoublePatternTest : public ::testing::TestWithParam<PatternCase> {};

TEST_P(DoublePatternTest, FormatsAsTheWindowShows) {
    const PatternCase& c = GetParam();
    EXPECT_EQ(formatPattern(c.value, c.pattern), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, DoublePatternTest,
    ::testing::Values(PatternCase{"zero_grouped", 0, "#,###.00", ".00"},
                      PatternCase{"zero_dollars", 0, "$#,###.00", "$.00"},
                      PatternCase{"grouped_thousands", 1234.5, "#,###.00", "1,234.50"},
                      PatternCase{"dollars_millions", 1234567.891, "$#,###.00", "$1,234,567.89"},
                      PatternCase{"half_dollar", 0.5, "###.00", ".50"},
                      PatternCase{"negative_amount", -3.25, "#####.00", "-3.25"},
                      PatternCase{"rounds_ungrouped", 12345.678, "#####.00", "12345.68"},
                      PatternCase{"drops_fourth_digit", 35.2103, "#,###.00", "35.21"},
                      PatternCase{"half_cent_rounds_up", 0.005, "#,###.00",
                                  ".01"},  // half away from zero
                      PatternCase{"negative_half_cent", -0.005, "#,###.00", "-.01"},
                      PatternCase{"shown_digits_round", 2.675, "#,###.00",
                                  "2.68"},  // digits as shown, not binary
                      PatternCase{"one_and_half_cent", 1.005, "#,###.00", "1.01"},
                      PatternCase{"zero_padded", 1234.5, "000000.00", "001234.50"},
                      PatternCase{"zero_padded_small", 5.25, "00000.00", "00005.25"},
                      PatternCase{"leading_zero", 0.45, "0.00", "0.45"},
                      PatternCase{"zero_all_padded", 0, "000000.00", "000000.00"},
                      PatternCase{"padded_top", 999999.99, "000000.00", "999999.99"},
                      PatternCase{"hash_before_zero", 1234.5, "$#,###.#0", "$1,234.50"},
                      PatternCase{"percent_rate", 0.0523, "##.##%", "5.23%"},
                      PatternCase{"negative_below_cent", -0.001, "#,###.00", ".00"}),
    testing::CaseName());

TEST(MoneyFormat, FloatUsesSevenSignificantDigits) {
    EXPECT_EQ(formatPattern(17.60515f, "#,###.00"), "17.61");
    EXPECT_EQ(formatPattern(2.675f, "#,###.00"), "2.68");
    EXPECT_EQ(formatPattern(0.125f, "###.00"), ".13");
    EXPECT_EQ(formatPattern(123456.78f, "$#,###.00"), "$123,456.80");  // a float has 7 digits
}

TEST(MoneyRound, RoundToCentsReadsTheFormattedTextBack) {
    EXPECT_FLOAT_EQ(roundToCents(35.2103f), 35.21f);
    EXPECT_FLOAT_EQ(roundToCents(17.60515f), 17.61f);
    EXPECT_DOUBLE_EQ(roundToCents(4.329), 4.33);
    EXPECT_DOUBLE_EQ(roundToCents(2.1645), 2.16);
    EXPECT_DOUBLE_EQ(roundToCents(1234567.125), 1234567.13);
    EXPECT_DOUBLE_EQ(roundToCents(-0.004), 0.0);
    EXPECT_DOUBLE_EQ(roundToCents(0.0), 0.0);
}

TEST(MoneyRound, WholeDollarsHalvesToEven) {
    EXPECT_DOUBLE_EQ(roundToWholeDollarsEven(34.5), 34);
    EXPECT_DOUBLE_EQ(roundToWholeDollarsEven(35.5), 36);
    EXPECT_DOUBLE_EQ(roundToWholeDollarsEven(35.51), 36);
    EXPECT_DOUBLE_EQ(roundToWholeDollarsEven(35.49), 35);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
}

TEST(Currency, ConversionRoundsHalvesToEven) {
    EXPECT_EQ(Currency::fromDouble(0.00005).units(), 0);
    EXPECT_EQ(Currency::fromDouble(0.00015).units(), 2);
    EXPECT_EQ(Currency::fromDouble(1.23456).units(), 12346);
    EXPECT_EQ(Currency::fromDouble(-2.5).units(), -25000);
    EXPECT_EQ(Currency::fromFloat(12.5f).units(), 125000);
    EXPECT_EQ((Currency::fromDouble(1.1) + Currency::fromDouble(2.2)).units(), 33000);
    EXPECT_THROW(Currency::fromDouble(1e300), MoneyOverflow);
    EXPECT_THROW(Currency::fromUnits(INT64_MAX) + Currency::fromUnits(1), MoneyOverflow);
}

TEST(MoneyText, ShortestText) {
    EXPECT_EQ(shortestText(0.5f, false), ".5");
    EXPECT_EQ(shortestText(0.5f), "0.5");
    EXPECT_EQ(shortestText(-0.25f, false), "-.25");
    EXPECT_EQ(shortestText(12.5f), "12.5");
    EXPECT_EQ(shortestText(0.0f), "0");
    EXPECT_EQ(shortestText(999999.0f), "999999");
    EXPECT_EQ(shortestText(268.3f), "268.3");
    EXPECT_EQ(shortestText(0.0525f, false), ".0525");
    EXPECT_EQ(shortestText(0.1 + 0.2), "0.3");
    EXPECT_FLOAT_EQ(displayedValue(0.1f + 0.2f), 0.3f);
}

struct NumericCase {
    const char* name;
    const char* text;
    double value;
};

void PrintTo(const NumericCase& c, std::ostream* os) { *os << c.name; }

class NumericValueTest : public ::testing::TestWithParam<NumericCase> {};

TEST_P(NumericValueTest, ReadsTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(numericValue(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumericValueTest,
    ::testing::Values(NumericCase{"blank", "", 0}, NumericCase{"letters", "abc", 0},
                      NumericCase{"decimal", "12.5", 12.5}, NumericCase{"stops_at_dash", "1-2", 1},
                      NumericCase{"blanks_inside", " 1 2", 12}, NumericCase{"dash_alone", "-", 0},
                      NumericCase{"point_alone", ".", 0}, NumericCase{"double_dash", "--5", 0},
                      NumericCase{"negative_fraction", "-.5", -0.5},
                      NumericCase{"exponent", "1e3", 1000},
                      NumericCase{"trailing_letter", "3.5x", 3.5},
                      NumericCase{"stops_at_comma", "1,234", 1},
                      NumericCase{"dollar_sign", "$1,234.50", 0}),
    testing::CaseName());

TEST(StrictNumber, AcceptsOnlyAWholeNumber) {
    EXPECT_EQ(strictNumber("12.5"), 12.5);
    EXPECT_EQ(strictNumber(" 7 "), 7.0);
    EXPECT_EQ(strictNumber("-.04"), -0.04);
    EXPECT_EQ(strictNumber("$1,234.50"), 1234.5);
    EXPECT_EQ(strictNumber("1E-07"), 1e-7);
    for (const char* bad : {"", " ", "-", ".", "1-2", "--5", "1e999", "abc", "1 2", "1,"}) {
        EXPECT_FALSE(strictNumber(bad).has_value()) << bad;
    }
    EXPECT_FALSE(strictSingle("1e39").has_value());
    EXPECT_TRUE(strictSingle("99999999999").has_value());
    EXPECT_EQ(strictInteger("9"), 9);
    EXPECT_FALSE(strictInteger("40000").has_value());
    EXPECT_TRUE(std::isinf(numericValue("1e999")));
}

}  // namespace
}  // namespace corvanta

namespace corvanta {
namespace {

// The digits through the library's correctly rounded printing, as a reference.
DecimalValue printedDigits(double value, int digits) {
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1);
    *res.ptr = '\0';
    DecimalValue d;
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    int fraction = 0;
    bool afterPoint = false;
    for (; *p != 'e'; ++p) {
        if (*p == '.') {
            afterPoint = true;
            continue;
        }
        d.mantissa = d.mantissa * 10 + (*p - '0');
        fraction += afterPoint ? 1 : 0;
    }
    d.exponent = std::atoi(p + 1) - fraction;
    while (d.mantissa != 0 && d.mantissa % 10 == 0) {
        d.mantissa /= 10;
        ++d.exponent;
    }
    return d;
}

TEST(MoneyDigits, FastDigitsMatchCorrectlyRoundedPrinting) {
    std::mt19937_64 random(20080105);
    std::uniform_real_distribution<double> unit(0, 1);
    int checked = 0;
    for (int i = 0; i < 200000; ++i) {
        const double magnitude = std::pow(10.0, static_cast<int>(unit(random) * 20) - 6);
        const double value = (unit(random) < 0.5 ? -1 : 1) * unit(random) * magnitude;
        // Amounts as typed: whole cents and halves of cents are the values that matter most.
        const double cents = std::round(value * 200) / 200;
        for (const double v : {value, cents}) {
            const DecimalValue fast = decimalOf(v);
            const DecimalValue slow = v == 0 ? DecimalValue{} : printedDigits(v, 15);
            ASSERT_EQ(fast.mantissa, slow.mantissa) << v;
            ASSERT_EQ(fast.exponent, slow.exponent) << v;
            const float f = static_cast<float>(v);
            const DecimalValue fastF = decimalOf(f);
            const DecimalValue slowF = f == 0 ? DecimalValue{} : printedDigits(f, 7);
            ASSERT_EQ(fastF.mantissa, slowF.mantissa) << f;
            ASSERT_EQ(fastF.exponent, slowF.exponent) << f;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 400000);
}

struct SingleCentsCase {
    const char* name;
    float single;    // the value a single-precision computation produced
    double rounded;  // its cents, decided on the digits it shows
};

void PrintTo(const SingleCentsCase& c, std::ostream* os) { *os << c.name; }

class SingleCentsTest : public ::testing::TestWithParam<SingleCentsCase> {};

TEST_P(SingleCentsTest, RoundsTheDigitsTheSingleShows) {
    const SingleCentsCase& c = GetParam();
    EXPECT_DOUBLE_EQ(roundSingleToCents(static_cast<double>(c.single)), c.rounded);
    EXPECT_EQ(formatPattern(roundSingleToCents(static_cast<double>(c.single)), "#,###.00"),
              formatPattern(c.single, "#,###.00"));
}

INSTANTIATE_TEST_SUITE_P(Values, SingleCentsTest,
                         ::testing::Values(SingleCentsCase{"half_cent_up", 14.745f, 14.75},
                                           SingleCentsCase{"half_cent_up_small", 5.265f, 5.27},
                                           SingleCentsCase{"product_of_rate", 1170.0f * 0.0045f,
                                                           5.27},
                                           SingleCentsCase{"negative_half_cent", -14.745f, -14.75},
                                           SingleCentsCase{"below_half_cent", 14.7449f, 14.74},
                                           SingleCentsCase{"zero", 0.0f, 0.0},
                                           SingleCentsCase{"largest_pay", 99999.99f, 99999.99}),
                         testing::CaseName());

struct ShownCurrencyCase {
    const char* name;
    float single;
    std::int64_t units;
};

void PrintTo(const ShownCurrencyCase& c, std::ostream* os) { *os << c.name; }

class ShownCurrencyTest : public ::testing::TestWithParam<ShownCurrencyCase> {};

TEST_P(ShownCurrencyTest, TakesTheAmountAsPosted) {
    EXPECT_EQ(Currency::fromShownSingle(GetParam().single).units(), GetParam().units);
}

INSTANTIATE_TEST_SUITE_P(Values, ShownCurrencyTest,
                         ::testing::Values(ShownCurrencyCase{"ytd_gross", 1234.56f, 12345600},
                                           ShownCurrencyCase{"ytd_with_cents", 5000.03f, 50000300},
                                           ShownCurrencyCase{"tenth", 0.1f, 1000},
                                           ShownCurrencyCase{"negative", -19.99f, -199900},
                                           ShownCurrencyCase{"below_cent", 0.00005f, 1}),
                         testing::CaseName());

TEST(ShownCurrency, AValueBeyondTheRangeIsRefused) {
    EXPECT_THROW(Currency::fromShownSingle(3e38f), MoneyOverflow);
    EXPECT_THROW(Currency::fromShownSingle(std::numeric_limits<float>::infinity()), MoneyOverflow);
}

}  // namespace
}  // namespace corvanta
