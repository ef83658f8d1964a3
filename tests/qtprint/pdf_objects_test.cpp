// The PDF frame and the text encoding of the standard-font PDFs.
#include "qtprint/pdf_objects.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>

#include "qtprint/win_ansi.h"
#include "support/case_names.h"

namespace corvanta::testing {
namespace {

// A reader finds every object through the cross-reference table: each entry's offset must
// be where that object begins, whatever order they were written in.
TEST(PdfObjects, CrossReferencePointsAtEachObject) {
    PdfObjectWriter file;
    const int catalog = file.reserve();
    const int pages = file.reserve();
    const int info = file.reserve();
    const int stream = file.reserve();
    file.writeStream(stream, "BT ET\n");
    file.write(info, "<< /Creator (x) >>");
    file.write(pages, "<< /Type /Pages /Kids [] /Count 0 >>");
    file.write(catalog, "<< /Type /Catalog /Pages 2 0 R >>");
    const std::string pdf = file.finish(catalog, info);

    const std::size_t start = pdf.rfind("startxref\n");
    ASSERT_NE(start, std::string::npos);
    const std::size_t xref = std::stoul(pdf.substr(start + 10));
    ASSERT_EQ(pdf.compare(xref, 9, "xref\n0 5\n"), 0) << pdf.substr(xref, 20);
    // Entries are 20 bytes each, after the free entry of object 0.
    const std::size_t first = xref + 9;
    EXPECT_EQ(pdf.substr(first, 20), "0000000000 65535 f \n");
    for (int n = 1; n <= 4; ++n) {
        const std::string entry = pdf.substr(first + 20 * static_cast<std::size_t>(n), 20);
        ASSERT_EQ(entry.substr(10), " 00000 n \n");
        const std::size_t offset = std::stoul(entry.substr(0, 10));
        const std::string begins = std::to_string(n) + " 0 obj\n";
        EXPECT_EQ(pdf.compare(offset, begins.size(), begins), 0) << n;
    }
    EXPECT_NE(pdf.find("/Length 6 >>\nstream\nBT ET\n\nendstream"), std::string::npos);
    EXPECT_NE(pdf.find("/Size 5 /Root 1 0 R /Info 3 0 R"), std::string::npos);
    EXPECT_EQ(pdf.substr(pdf.size() - 6), "%%EOF\n");
}

TEST(PdfObjects, AnObjectReservedButNeverWrittenIsAnError) {
    PdfObjectWriter file;
    const int catalog = file.reserve();
    file.reserve();
    file.write(catalog, "<< >>");
    EXPECT_THROW((void)file.finish(catalog, catalog), std::logic_error);
}

struct NumberCase {
    const char* name;
    double value;
    const char* written;
};

void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.name; }

class PdfNumbers : public ::testing::TestWithParam<NumberCase> {};

// No exponents, no "-0", no trailing zeros: every reader takes these.
TEST_P(PdfNumbers, AreWrittenPlainWithAtMostFourDecimals) {
    std::string out;
    appendPdfNumber(out, GetParam().value);
    EXPECT_EQ(out, GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Values, PdfNumbers,
    ::testing::Values(NumberCase{"zero", 0, "0"}, NumberCase{"whole", 612, "612"},
                      NumberCase{"ten", 10, "10"}, NumberCase{"half", 10.5, "10.5"},
                      NumberCase{"rounded", 589.979999, "589.98"},
                      NumberCase{"four decimals", 3.14159265, "3.1416"},
                      NumberCase{"negative", -74.0625, "-74.0625"},
                      NumberCase{"tiny negative", -0.00001, "0"}, NumberCase{"tiny", 1e-9, "0"},
                      NumberCase{"large", 123456.789, "123456.789"}),
    CaseName());

struct EncodingCase {
    const char* name;
    const char* utf8;
    std::optional<std::string> winAnsi;
};

void PrintTo(const EncodingCase& c, std::ostream* os) { *os << c.name; }

class WinAnsiText : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(WinAnsiText, IsEncodedOrRefusedWhole) {
    EXPECT_EQ(toWinAnsi(GetParam().utf8), GetParam().winAnsi);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WinAnsiText,
    ::testing::Values(
        EncodingCase{"ascii", "Net Pay: $1,234.50", "Net Pay: $1,234.50"},
        EncodingCase{"empty", "", ""}, EncodingCase{"latin 1", "Zoë Ørsted", "Zo\xEB \xD8rsted"},
        EncodingCase{"euro and quotes", "€ “x” ‘y’ – —", "\x80 \x93x\x94 \x91y\x92 \x96 \x97"},
        EncodingCase{"caron letters", "Šťastný", std::nullopt},
        EncodingCase{"S caron alone", "Š", "\x8A"},
        EncodingCase{"Latin Extended A", "Łukasiewicz", std::nullopt},
        EncodingCase{"Chinese", "李", std::nullopt},
        EncodingCase{"emoji", "pay \xF0\x9F\x92\xB0", std::nullopt},
        EncodingCase{"tab", "a\tb", std::nullopt}, EncodingCase{"line end", "a\r\nb", std::nullopt},
        EncodingCase{"soft hyphen",
                     "pay\xC2\xAD"
                     "check",
                     std::nullopt},
        EncodingCase{"cut UTF-8", "Zo\xC3", std::nullopt},
        EncodingCase{"stray continuation byte", "a\x80z", std::nullopt},
        EncodingCase{"overlong slash", "\xC0\xAF", std::nullopt},
        EncodingCase{"Latin 1 byte that is not UTF-8", "Zo\xEB", std::nullopt},
        EncodingCase{"non-breaking space", "a\xC2\xA0z", "a\xA0z"}),
    CaseName());

// Every code WinAnsi defines stands for the character that encodes to it.
TEST(WinAnsiCodes, EachIsTheCharacterThatEncodesToIt) {
    int defined = 0;
    for (int code = 0; code < 256; ++code) {
        const char16_t c = winAnsiCharacter(static_cast<unsigned char>(code));
        if (c == 0) continue;
        ++defined;
        std::string utf8;
        if (c < 0x80) {
            utf8 = std::string(1, static_cast<char>(c));
        } else if (c < 0x800) {
            utf8 = {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
        } else {
            utf8 = {static_cast<char>(0xE0 | (c >> 12)),
                    static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                    static_cast<char>(0x80 | (c & 0x3F))};
        }
        EXPECT_EQ(toWinAnsi(utf8), std::string(1, static_cast<char>(code))) << code;
    }
    // 95 printable ASCII, 95 of Latin-1 (without the soft hyphen), 27 typographic.
    EXPECT_EQ(defined, 95 + 95 + 27);
}

}  // namespace
}  // namespace corvanta::testing
