#include "records/print/text_page.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace corvanta
