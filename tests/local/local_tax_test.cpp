#include <gtest/gtest.h>

#include "session/local/local_files.h"
#include "support/case_names.h"
#include "support/filing_status_of.h"
#include "support/payroll_fixture.h"
#include "tax/local/city_table.h"
#include "tax/local/non_city_table.h"

namespace corvanta {
namespace {

using testing::crlf;
using testing::PayrollFixture;

struct CityCase {
    const char* name;
    bool weekly;
    const char* status;
    int exemptions;
    const char* gross;
    double tax;
};

void PrintTo(const CityCase& c, std::ostream* os) { *os << c.name; }

class CityTaxTest : public PayrollFixture, public ::testing::WithParamInterface<CityCase> {};

TEST_P(CityTaxTest, DefaultTable) {
    const CityCase& c = GetParam();
    if (!c.weekly) setBiWeekly();
    ctx.profile.StateStatus = statusOf(c.status);
    ctx.profile.StateExemptions = c.exemptions;
    calculate({"", "", "", "", "", "", c.gross, ""});
    EXPECT_DOUBLE_EQ(ctx.result.LocalTax, c.tax);
}

INSTANTIATE_TEST_SUITE_P(
    NewYorkCity, CityTaxTest,
    ::testing::Values(CityCase{"single_biweekly_1000", false, "Single", 0, "1000", 23.36},
                      CityCase{"married_biweekly_1000", false, "Married", 0, "1000", 21.91},
                      CityCase{"single_weekly_500", true, "Single", 0, "500", 11.68},
                      CityCase{"nine_exemptions_below_row_0", false, "Single", 9, "400", 0},
                      CityCase{"married_weekly_500", true, "Married", 0, "500", 10.95},
                      CityCase{"single_biweekly_3000", false, "Single", 0, "3000", 100.80}),
    testing::CaseName());

TEST_F(PayrollFixture, CityRowsEightAndNineNeverApply) {
    setBiWeekly();
    ctx.city.SingleRows[8] = {100, 500, 0.5f};
    ctx.city.SingleRows[9] = {200, 900, 0.9f};
    calculate({"", "", "", "", "", "", "1000", ""});
    EXPECT_DOUBLE_EQ(ctx.result.LocalTax, 23.36);
}

struct NonCityCase {
    const char* name;
    bool weekly;
    const char* gross;
    double tax;
};

void PrintTo(const NonCityCase& c, std::ostream* os) { *os << c.name; }

class NonCityTaxTest : public PayrollFixture, public ::testing::WithParamInterface<NonCityCase> {};

TEST_P(NonCityTaxTest, DefaultTable) {
    const NonCityCase& c = GetParam();
    if (!c.weekly) setBiWeekly();
    ctx.profile.NonCityResident = 1;
    calculate({"", "", "", "", "", "", c.gross, ""});
    EXPECT_DOUBLE_EQ(ctx.result.LocalTax, c.tax);
}

INSTANTIATE_TEST_SUITE_P(NonResident, NonCityTaxTest,
                         ::testing::Values(NonCityCase{"biweekly_1000", false, "1000", 4.33},
                                           NonCityCase{"weekly_500", true, "500", 2.16},
                                           NonCityCase{"biweekly_100", false, "100", 0.45},
                                           NonCityCase{"biweekly_at_row_4", false, "1154", 5.19},
                                           NonCityCase{"biweekly_half_cent", false, "1170", 5.27}),
                         testing::CaseName());

struct DefaultRowCase {
    const char* name;
    int row;
    NonCityRow biWeekly;
    NonCityRow weekly;
};

void PrintTo(const DefaultRowCase& c, std::ostream* os) { *os << c.name; }

class NonCityDefaultsTest : public ::testing::TestWithParam<DefaultRowCase> {};

TEST_P(NonCityDefaultsTest, AreTheDefaultButtonsTable) {
    const DefaultRowCase& c = GetParam();
    const NonCityTable t = nonCityDefaults();
    EXPECT_EQ(t.BiWeekly[c.row].MinRange, c.biWeekly.MinRange);
    EXPECT_EQ(t.BiWeekly[c.row].Exemption, c.biWeekly.Exemption);
    EXPECT_EQ(t.Weekly[c.row].MinRange, c.weekly.MinRange);
    EXPECT_EQ(t.Weekly[c.row].Exemption, c.weekly.Exemption);
    EXPECT_EQ(t.NonCityRate, 0.0045f);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NonCityDefaultsTest,
    ::testing::Values(DefaultRowCase{"row_0", 0, {0, 0}, {0, 0}},
                      DefaultRowCase{"row_1", 1, {145, 115}, {78, 58}},
                      DefaultRowCase{"row_2", 2, {385, 77}, {192, 38}},
                      DefaultRowCase{"row_3", 3, {769, 38}, {385, 19}},
                      DefaultRowCase{"row_4", 4, {1154, 0}, {577, 0}},
                      DefaultRowCase{"row_5_unused", 5, {999999, 0}, {999999, 0}},
                      DefaultRowCase{"row_7_unused", 7, {999999, 0}, {999999, 0}}),
    testing::CaseName());

TEST_F(PayrollFixture, NonCityTableNeverReadComputesNothing) {
    ctx.nonCity = NonCityTable{};
    ctx.profile.NonCityResident = 1;
    calculate({"", "", "", "", "", "", "1000", ""});
    EXPECT_EQ(ctx.result.LocalTax, 0);
}

TEST_F(PayrollFixture, CityFileDefaultsNoLocalTaxAndDamage) {
    ctx.loaded.cityDialog = false;
    loadCityDialog(ctx);  // no file: the New York values
    EXPECT_FLOAT_EQ(ctx.city.MarriedRows[3].MinRange, 577);
    EXPECT_FLOAT_EQ(ctx.city.SingleAllowance[9], 538.8f);

    clearCityBoxes(ctx.cityDialog);
    ctx.cityDialog.ckNoLocalTax = 1;
    captureCityDialog(ctx.cityDialog, ctx.city);
    WriteCityFile(ctx);
    const std::string file = folder.read("Test.cti");
    EXPECT_EQ(file.substr(0, file.find("\r\n") + 2), crlf({"999999,0,0,999999,0,0"}));
    EXPECT_NE(file.find("\r\n1\r\n0,0\r\n"), std::string::npos);
    loadCityDialog(ctx);
    EXPECT_EQ(ctx.city.NoLocalTax, 1);
    calculate({"", "", "", "", "", "", "1000", ""});
    EXPECT_EQ(ctx.result.LocalTax, 0);

    folder.write("Test.cti", file.substr(0, 40));
    try {
        loadCityDialog(ctx);
        FAIL() << "a damaged city file was read";
    } catch (const UserError& e) {
        EXPECT_EQ(
            std::string(e.what()).rfind("You have corupted a file.\r\nFind file,\r\nTest.cti\r\n"
                                        "and delete it.",
                                        0),
            0u);
    }
    EXPECT_EQ(folder.read("Test.cti"), file.substr(0, 40));
}

TEST_F(PayrollFixture, NonCityFileRoundTrip) {
    WriteNonCityFile(ctx);
    EXPECT_EQ(folder.read("Test.nci"),
              crlf({"0,0,0,0", "145,115,78,58", "385,77,192,38", "769,38,385,19", "1154,0,577,0",
                    "999999,0,999999,0", "999999,0,999999,0", "999999,0,999999,0", ".0045"}));
    ctx.nonCity = NonCityTable{};
    ReadNonCityFile(ctx);
    EXPECT_FLOAT_EQ(ctx.nonCity.NonCityRate, 0.0045f);
    EXPECT_FLOAT_EQ(ctx.nonCity.Weekly[3].Exemption, 19);
}

}  // namespace
}  // namespace corvanta
