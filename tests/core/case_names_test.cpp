// The names given to the cases of parameterised tests.
#include "support/case_names.h"

#include <gtest/gtest.h>

#include <string>

namespace corvanta {
namespace {

struct LabelCase {
    const char* name;
    const char* label;
    const char* testName;
};

void PrintTo(const LabelCase& c, std::ostream* os) { *os << c.name; }

class TestNameOfLabel : public ::testing::TestWithParam<LabelCase> {};

TEST_P(TestNameOfLabel, KeepsLettersDigitsAndOneUnderscorePerGap) {
    EXPECT_EQ(testing::testNameOf(GetParam().label), GetParam().testName);
}

INSTANTIATE_TEST_SUITE_P(Labels, TestNameOfLabel,
                         ::testing::Values(LabelCase{"already_a_name", "single_weekly_40_hours",
                                                     "single_weekly_40_hours"},
                                           LabelCase{"file_name", "Smith.use", "Smith_use"},
                                           LabelCase{"option", "--straight2", "straight2"},
                                           LabelCase{"apostrophe_and_blank", "Employee's Name",
                                                     "Employee_s_Name"},
                                           LabelCase{"amount", " $1,480.00 ", "1_480_00"},
                                           LabelCase{"empty", "", "blank"},
                                           LabelCase{"punctuation_only", " - . ", "blank"}),
                         testing::CaseName());

TEST(TestNameOfCase, ComesFromTheNameOrTheTextItself) {
    const LabelCase named{"a_case", "label", "name"};
    const std::string text = "Smith.use";
    const char* const missing = nullptr;
    EXPECT_EQ(testing::caseLabel(named), "a_case");
    EXPECT_EQ(testing::caseLabel(text), "Smith.use");
    EXPECT_EQ(testing::caseLabel(missing), "");
}

// Names are asked for in turn from index 0 for each instantiation.
TEST(UniqueTestName, AppendsTheIndexToARepeatedName) {
    EXPECT_EQ(testing::uniqueTestName("weekly", 0), "weekly");
    EXPECT_EQ(testing::uniqueTestName("biweekly", 1), "biweekly");
    EXPECT_EQ(testing::uniqueTestName("weekly", 2), "weekly_2");
    EXPECT_EQ(testing::uniqueTestName("weekly", 3), "weekly_3");
    // A label that reads like a name given before is made unique too.
    EXPECT_EQ(testing::uniqueTestName("weekly_3", 4), "weekly_3_4");
    // The next instantiation starts afresh.
    EXPECT_EQ(testing::uniqueTestName("weekly", 0), "weekly");
}

}  // namespace
}  // namespace corvanta
