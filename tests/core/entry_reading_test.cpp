// How an entry box's text is read, whichever way it reached the box, and what a refused
// calculation leaves behind.
#include <gtest/gtest.h>

#include <optional>

#include "base/core/numeric_text.h"
#include "session/files/period_snapshot.h"
#include "support/payroll_fixture.h"

namespace corvanta {
namespace {

using testing::PayrollFixture;

struct EntryCase {
    const char* text;
    std::optional<double> value;  // none: the text is refused
};

class EntryValueTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(EntryValueTest, OnePlainNumberOrNothing) {
    const EntryCase& c = GetParam();
    EXPECT_EQ(entryValue(c.text), c.value) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EntryValueTest,
    ::testing::Values(EntryCase{"", 0.0}, EntryCase{"   ", 0.0}, EntryCase{"-", 0.0},
                      EntryCase{".", 0.0}, EntryCase{" - . ", 0.0}, EntryCase{"80.5", 80.5},
                      EntryCase{" 8 0 ", 80.0}, EntryCase{"-12.25", -12.25}, EntryCase{".5", 0.5},
                      EntryCase{"5.", 5.0}, EntryCase{"- 3", -3.0},
                      // Text that once paid the wrong hours or went through unnoticed.
                      EntryCase{"80,5", std::nullopt}, EntryCase{"1,480.00", std::nullopt},
                      EntryCase{"ten", std::nullopt}, EntryCase{"$80", std::nullopt},
                      EntryCase{"1-2", std::nullopt}, EntryCase{"--5", std::nullopt},
                      EntryCase{"4.5.6", std::nullopt}, EntryCase{"+5", std::nullopt},
                      EntryCase{"1e3", std::nullopt}, EntryCase{"5-", std::nullopt},
                      EntryCase{"\t5", std::nullopt}));

struct KeptCase {
    const char* pasted;
    const char* kept;
};

class EntryCharactersTest : public ::testing::TestWithParam<KeptCase> {};

TEST_P(EntryCharactersTest, DropsWhatAKeyPressWouldDrop) {
    EXPECT_EQ(entryCharactersOf(GetParam().pasted), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Pastes, EntryCharactersTest,
                         ::testing::Values(KeptCase{"$80", "80"}, KeptCase{"80,5", "805"},
                                           KeptCase{"1,480.00", "1480.00"}, KeptCase{"ten", ""},
                                           KeptCase{"-4.5 h\r\n", "-4.5 "}, KeptCase{"12", "12"}));

class EntryCalculationTest : public PayrollFixture {
  protected:
    void SetUp() override {
        PayrollFixture::SetUp();
        ctx.profile.HourlyRate = 10;
    }
};

struct RefusedCase {
    int box;
    const char* text;
    const char* caption;
};

class RefusedEntryTest : public EntryCalculationTest,
                         public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedEntryTest, NamesTheBoxAndClearsTheOldResult) {
    const RefusedCase& c = GetParam();
    calculateStraight("40");
    ASSERT_FALSE(ctx.window.lbNet.empty());
    std::array<const char*, kEntryBoxes> boxes{"40", "", "", "", "", "", "", ""};
    boxes[c.box] = c.text;
    try {
        calculate(boxes);
        FAIL() << c.text << " was accepted";
    } catch (const UserError& e) {
        EXPECT_NE(std::string(e.what()).find(c.caption), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find(c.text), std::string::npos) << e.what();
    }
    // The entries stay as typed; no figure of the earlier calculation stands beside them.
    EXPECT_EQ(ctx.window.txtAmount[c.box], c.text);
    if (c.box != 0) {
        EXPECT_EQ(ctx.window.txtAmount[0], "40");
    }
    EXPECT_EQ(ctx.result.GrossPay, 0);
    EXPECT_EQ(ctx.result.NetPay, 0);
    EXPECT_EQ(ctx.window.lbNet, "");
    EXPECT_EQ(ctx.window.Label13, "");
    EXPECT_EQ(ctx.window.lbTaxDed[0], "");
    EXPECT_FALSE(folder.exists("Test.use"));
}

INSTANTIATE_TEST_SUITE_P(Texts, RefusedEntryTest,
                         ::testing::Values(RefusedCase{0, "80,5", "STRAIGHT TIME HOURS 1"},
                                           RefusedCase{0, "1,480.00", "STRAIGHT TIME HOURS 1"},
                                           RefusedCase{3, "ten", "O.T. TIME AND 1/2 (1.5X)"},
                                           RefusedCase{6, "$80", "PAY IN DOLLAR AMOUNT"},
                                           RefusedCase{7, "1-2", "TIPS (Hours)"}));

TEST_F(EntryCalculationTest, BlankingReadsTheBoxesAsTheCalculationDoes) {
    calculate({"40", " - ", "0.0", ".", "", "-0", "12.5", " 0 "});
    EXPECT_FLOAT_EQ(ctx.result.GrossPay, 412.5f);
    const std::array<std::string, kEntryBoxes> shown{"40", "", "", "", "", "", "12.5", ""};
    EXPECT_EQ(ctx.window.txtAmount, shown);
}

TEST_F(EntryCalculationTest, BlanksInsideANumberAreIgnored) {
    calculateStraight(" 4 0 ");
    EXPECT_FLOAT_EQ(ctx.result.GrossPay, 400);
}

TEST_F(EntryCalculationTest, SavedPeriodRefusesWhatTheCalculationRefuses) {
    for (const char* bad : {"$80", "80,5", "ten"}) {
        ctx.window.txtAmount = {"40", "", "", "", "", "", bad, ""};
        EXPECT_THROW(SavePeriodSnapshot(ctx), UserError) << bad;
    }
    ctx.window.txtAmount = {"40", " - ", "", "", "", "", "", ""};
    ctx.window.txtWeek = "1/5/2008";
    EXPECT_NO_THROW(SavePeriodSnapshot(ctx));
}

// A figure a Single cannot show to the cent is refused, and nothing is kept of it.
struct LimitCase {
    const char* dollars;
    float cafeteria;
    const char* figure;  // nullptr: accepted
};

class CentLimitTest : public EntryCalculationTest,
                      public ::testing::WithParamInterface<LimitCase> {};

TEST_P(CentLimitTest, GrossAndNetBelowOneHundredThousand) {
    const LimitCase& c = GetParam();
    ctx.profile.CafeteriaAmount = c.cafeteria;
    const auto run = [&] { calculate({"", "", "", "", "", "", c.dollars, ""}); };
    if (c.figure == nullptr) {
        EXPECT_NO_THROW(run());
        return;
    }
    try {
        run();
        FAIL() << c.dollars << " was accepted";
    } catch (const UserError& e) {
        EXPECT_NE(std::string(e.what()).find(c.figure), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("100,000.00"), std::string::npos) << e.what();
    }
    EXPECT_EQ(ctx.result.GrossPay, 0);
    EXPECT_EQ(ctx.window.txtAmount[6], c.dollars);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, CentLimitTest,
    ::testing::Values(LimitCase{"99999.99", 0, nullptr}, LimitCase{"100000.01", 0, "gross pay"},
                      LimitCase{"100000", 0, "gross pay"}, LimitCase{"150000", 0, "gross pay"},
                      LimitCase{"-100000", 0, "gross pay"}, LimitCase{"10", 200000, "net pay"}));

struct StatusCase {
    FilingStatus fedStatus;
    FilingStatus stateStatus;
    float fedWithholding;
};

class FilingStatusTest : public EntryCalculationTest,
                         public ::testing::WithParamInterface<StatusCase> {};

// 400.00 a week: single 14.70 + 15% over 198; married 10% over 154. Any other status is
// refused where the files are read.
TEST_P(FilingStatusTest, EachStatusIsCalculatedAtItsOwnRates) {
    const StatusCase& c = GetParam();
    ctx.profile.FedStatus = c.fedStatus;
    ctx.profile.StateStatus = c.stateStatus;
    ASSERT_NO_THROW(calculateStraight("40"));
    EXPECT_FLOAT_EQ(ctx.result.FedWithholding, c.fedWithholding);
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, FilingStatusTest,
    ::testing::Values(StatusCase{FilingStatus::Single, FilingStatus::Married, 45.0f},
                      StatusCase{FilingStatus::Married, FilingStatus::Single, 24.6f}));

}  // namespace
}  // namespace corvanta
