#include "base/files/record_format.h"

#include <gtest/gtest.h>

#include <optional>

#include "support/case_names.h"

namespace corvanta {
namespace {

TEST(RecordWriter, WritesTheFileForms) {
    RecordWriter out;
    out.single(0.5f).single(-0.25f).single(12.5f).single(0).single(999999).endLine();
    out.integer(-1).boolean(true).boolean(false).text("CrUnion").endLine();
    out.raw({}).raw({}).raw({}).raw({}).endLine();
    out.dbl(0.0523).single(0.0525f).single(268.3f).endLine();
    EXPECT_EQ(
        out.content(),
        ".5,-.25,12.5,0,999999\r\n-1,#TRUE#,#FALSE#,\"CrUnion\"\r\n,,,\r\n.0523,.0525,268.3\r\n");
}

TEST(RecordWriter, ADoubleQuoteInATextIsStoredAsASingleQuote) {
    RecordWriter out;
    out.text("Joe \"Ace\" Smith").text("line\r\nbreak").endLine();
    EXPECT_EQ(out.content(), "\"Joe 'Ace' Smith\",\"line  break\"\r\n");
    RecordReader in(out.content(), "x");
    EXPECT_EQ(in.readText(), "Joe 'Ace' Smith");
    EXPECT_EQ(in.readText(), "line  break");
    EXPECT_TRUE(in.atEnd());
}

TEST(RecordReader, LineEndsCountAsCommasAndQuotesAreRemoved) {
    RecordReader in("\"Smith, John\",12.5\r\n,,3\r\n#TRUE#,#FALSE#\r\n", "Smith.use");
    EXPECT_EQ(in.readText(), "Smith, John");
    EXPECT_FLOAT_EQ(in.readSingle(), 12.5f);
    EXPECT_FLOAT_EQ(in.readSingle(), 0);  // an empty field reads as 0
    EXPECT_EQ(in.readText(), "");
    EXPECT_EQ(in.readInteger(), 3);
    EXPECT_EQ(in.readFlag(), -1);
    EXPECT_EQ(in.readFlag(), 0);
    EXPECT_TRUE(in.atEnd());
}

TEST(RecordReader, AcceptsTheNumberFormsOfOtherWriters) {
    RecordReader in("0.5, .5 ,-.5,1E+07,1.5e-3,007\n", "x");
    EXPECT_FLOAT_EQ(in.readSingle(), 0.5f);
    EXPECT_FLOAT_EQ(in.readSingle(), 0.5f);
    EXPECT_FLOAT_EQ(in.readSingle(), -0.5f);
    EXPECT_FLOAT_EQ(in.readSingle(), 1e7f);
    EXPECT_DOUBLE_EQ(in.readDouble(), 0.0015);
    EXPECT_EQ(in.readInteger(), 7);
}

struct BadRecord {
    const char* name;
    const char* content;
    int line;
    int field;
    const char* words;
};

void PrintTo(const BadRecord& c, std::ostream* os) { *os << c.name; }

class RecordReaderErrorTest : public ::testing::TestWithParam<BadRecord> {};

TEST_P(RecordReaderErrorTest, NamesTheFileAndThePlace) {
    const BadRecord& c = GetParam();
    RecordReader in(c.content, "Smith.sta");
    try {
        for (int i = 0; i < 4; ++i) in.readSingle();
        FAIL() << "no error";
    } catch (const RecordFormatError& e) {
        EXPECT_EQ(e.fileName(), "Smith.sta");
        EXPECT_EQ(e.line(), c.line);
        EXPECT_EQ(e.field(), c.field);
        EXPECT_NE(std::string(e.what()).find("Smith.sta"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find(c.words), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Damaged, RecordReaderErrorTest,
    ::testing::Values(
        BadRecord{"ends_inside_a_record", "1,2\r\n3\r\n", 3, 1, "the file ends"},
        BadRecord{"letters_for_a_number", "1,2\r\nabc,4\r\n", 2, 1, "\"abc\" is not a number"},
        BadRecord{"dash_inside_a_number", "1,1-2,3,4", 1, 2, "\"1-2\" is not a number"},
        BadRecord{"number_too_large", "1,2,3,1e39", 1, 4, "too large"},
        BadRecord{"quoted_number", "1,\"2\",3,4", 1, 2, "\"2\" is a text where a number belongs"},
        BadRecord{"empty_file", "", 1, 1, "the file ends"}),
    testing::CaseName());

TEST(RecordReader, BlankLinesAfterTheLastRecordAreNothing) {
    RecordReader in("1,2\r\n\r\n\n", "x");
    in.readSingle();
    in.readSingle();
    EXPECT_NO_THROW(in.expectEnd());
}

TEST(RecordReader, AValueAfterTheLastRecordIsDamage) {
    RecordReader in("1,2\r\n\r\n,7\r\n", "Smith.yrw");
    in.readSingle();
    in.readSingle();
    try {
        in.expectEnd();
        FAIL() << "the rest of the file was ignored";
    } catch (const RecordFormatError& e) {
        EXPECT_EQ(e.line(), 3);
        EXPECT_EQ(e.field(), 2);
        EXPECT_NE(std::string(e.what()).find("\"7\""), std::string::npos) << e.what();
    }
}

TEST(RecordReader, RawFieldsSurviveARewrite) {
    const std::string original = "\"a, b\",12.50,#TRUE#,\r\n,x y,,\"\"\r\n";
    RecordReader in(original, "x");
    RecordWriter out;
    for (int i = 0; i < 4; ++i) out.raw(in.readRaw());
    out.endLine();
    for (int i = 0; i < 4; ++i) out.raw(in.readRaw());
    out.endLine();
    EXPECT_EQ(out.content(), original);
}

TEST(RecordText, NonAsciiLettersAreSingleByteInTheFile) {
    RecordWriter out;
    out.text("Müller").endLine();
    EXPECT_EQ(out.content(), "\"M\xFCller\"\r\n");
    RecordReader in(out.content(), "x");
    EXPECT_EQ(in.readText(), "Müller");
}

struct StorableCase {
    const char* name;
    std::string text;
    std::optional<std::string> refused;  // the character named, or nothing when stored
};

void PrintTo(const StorableCase& c, std::ostream* os) { *os << c.name; }

class StorableTextTest : public ::testing::TestWithParam<StorableCase> {};

// A text the single-byte files cannot hold is refused naming the character, never stored as "?".
TEST_P(StorableTextTest, IsStoredWholeOrRefusedNamingTheCharacter) {
    const StorableCase& c = GetParam();
    EXPECT_EQ(unstorableCharacter(c.text), c.refused);
    RecordWriter out;
    if (!c.refused) {
        out.text(c.text);
        RecordReader in(out.content(), "x");
        EXPECT_EQ(in.readText(), c.text);
        return;
    }
    try {
        out.text(c.text);
        FAIL() << "stored as " << out.content();
    } catch (const UnstorableTextError& e) {
        EXPECT_EQ(e.character(), *c.refused);
        EXPECT_NE(std::string(e.what()).find("\"" + *c.refused + "\""), std::string::npos);
    }
    try {
        requireStorableText("Employee's Name", c.text);
        FAIL() << "accepted";
    } catch (const UnstorableTextError& e) {
        EXPECT_NE(std::string(e.what()).find("Employee's Name"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StorableTextTest,
    ::testing::Values(StorableCase{"Ascii", "Smith, John", std::nullopt},
                      StorableCase{"Latin1Letters", "Zoë Müller ÿ", std::nullopt},
                      StorableCase{"PolishLetter", "Łukasz", "Ł"},
                      StorableCase{"EuroSign", "5 € tip", "€"},
                      StorableCase{"FourByteCharacter", "ok \xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
                      StorableCase{"NotUtf8", "M\xFCller", "byte FC"},
                      StorableCase{"CutShort", "ab\xC3", "byte C3"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecordReader, AnUnclosedQuoteEndsAtTheLineEnd) {
    RecordReader in("\"open,1\r\n2\r\n", "x");
    EXPECT_EQ(in.readText(), "open,1");
    EXPECT_FLOAT_EQ(in.readSingle(), 2);
}

}  // namespace
}  // namespace corvanta
