#include "records/print/text_page.h"

#include <gtest/gtest.h>

#include "support/case_names.h"

namespace corvanta {
namespace {

TEST(TextPage, TabMovesToTheColumn) {
    TextPage page;
    page.tab(5);
    page.write("ab");
    page.tab(10);
    page.write("c");
    page.endLine();
    EXPECT_EQ(page.text(), "    ab   c\n");
}

TEST(TextPage, TabBehindThePositionGoesToTheNextLine) {
    TextPage page;
    page.write("abcdef");
    page.tab(3);
    page.write("x");
    page.endDocument();
    EXPECT_EQ(page.text(), "abcdef\n  x\n");
}

TEST(TextPage, TabToTheCurrentColumnStays) {
    TextPage page;
    page.write("abcd");
    page.tab(5);
    page.write("e");
    page.endLine();
    EXPECT_EQ(page.text(), "abcde\n");
}

TEST(TextPage, ColumnsBelowOneAreColumnOne) {
    TextPage page;
    page.tab(-4);
    page.write("x");
    page.endLine();
    EXPECT_EQ(page.text(), "x\n");
}

TEST(TextPage, EmptyLinesAreBlankLinesAndTrailingBlanksGo) {
    TextPage page;
    page.endLine();
    page.tab(8);
    page.write("");
    page.endLine();
    page.endDocument();
    EXPECT_EQ(page.text(), "\n\n");
    EXPECT_TRUE(page.ended());
}

TEST(TextPage, AccentedLettersTakeOneColumn) {
    TextPage page;
    page.write("Jos\xC3\xA9");
    page.tab(6);
    page.write("x");
    page.endLine();
    EXPECT_EQ(page.text(), "Jos\xC3\xA9 x\n");
}

struct CutCase {
    const char* text;
    int limit;
    const char* line;
};

void PrintTo(const CutCase& c, std::ostream* os) { *os << c.text << " up to " << c.limit; }

class WriteUpTo : public ::testing::TestWithParam<CutCase> {};

// A field starting at column 3 and cut where the next one begins: never wrapped.
TEST_P(WriteUpTo, CutsAtTheNextFieldsColumn) {
    TextPage page;
    page.tab(3);
    page.writeUpTo(GetParam().text, GetParam().limit);
    page.tab(GetParam().limit > 0 ? GetParam().limit : 1);
    page.write("|");
    page.endDocument();
    EXPECT_EQ(page.text(), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, WriteUpTo,
    ::testing::Values(CutCase{"abc", 8, "  abc  |\n"}, CutCase{"abcde", 8, "  abcde|\n"},
                      CutCase{"abcdefgh", 8, "  abcde|\n"},
                      CutCase{"Jos\xC3\xA9 Mar\xC3\xAD", 7, "  Jos\xC3\xA9|\n"},
                      // The page's edge: a text page has none, so nothing is cut.
                      CutCase{"abcdefgh", 0, "  abcdefgh\n|\n"}),
    [](const auto& info) {
        return testing::testNameOf(std::string(info.param.text) + " " +
                                   std::to_string(info.param.limit));
    });

}  // namespace
}  // namespace corvanta
