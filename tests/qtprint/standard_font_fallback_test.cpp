// What the standard fonts cannot print goes to the Qt printer whole; what they can is escaped,
// paged and sized as a reader expects.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "qtprint/check_fit.h"
#include "qtprint/pdf_output.h"
#include "qtprint/run_document.h"
#include "records/print/recorded_document.h"
#include "session/print/check_print.h"
#include "session/print/ledger_report.h"
#include "session/print/pay_stub.h"
#include "support/case_names.h"
#include "support/gui_app.h"
#include "support/payroll_fixture.h"
#include "support/pdf_layout.h"
#include "support/pdf_text.h"
#include "support/print_scenario.h"

namespace corvanta::testing {
namespace {

// pdfinfo reads the file without a complaint; its report.
std::string pdfInfo(const std::filesystem::path& pdf, const std::string& options = "") {
    const CommandOutput info = runCommand("pdfinfo " + options + " '" + pdf.string() + "'");
    EXPECT_TRUE(info.ok) << info.text;
    EXPECT_EQ(info.text.find("Error"), std::string::npos) << info.text;
    return info.text;
}

// The first three sheets of the file: Letter upright, on its side, upright again.
void expectPortraitLandscapePortrait(const std::filesystem::path& pdf) {
    const std::string info = pdfInfo(pdf, "-f 1 -l 3");
    EXPECT_NE(info.find("Page    1 size:  612 x 792"), std::string::npos) << info;
    EXPECT_NE(info.find("Page    2 size:  792 x 612"), std::string::npos) << info;
    EXPECT_NE(info.find("Page    3 size:  612 x 792"), std::string::npos) << info;
}

class StandardFontPdf : public PayrollFixture {
  protected:
    void SetUp() override {
        startGui();
        PayrollFixture::SetUp();
        fillPrintScenario(ctx);
    }

    // The check to the payee as a PDF file; its bytes.
    std::string checkTo(const std::string& payee, const std::filesystem::path& pdf) {
        ctx.profile.EmployeeName = payee;
        ctx.check = CheckWindow{};
        std::string bytes = asText(pdfDocument([this](PrintColumnModel& out) {
            PrintCheck(ctx, out, {"0", "0"});
        }));
        writeBytes(pdf, bytes);
        return bytes;
    }

    // A printout of `lines` numbered lines at 10 points.
    static RecordedDocument numberedLines(int lines, PageOrientation orientation) {
        RecordedDocument doc;
        doc.setOrientation(orientation);
        doc.setFontSize(10);
        for (int i = 0; i < lines; ++i) {
            doc.write("line " + std::to_string(i));
            doc.endLine();
        }
        doc.endDocument();
        return doc;
    }
};

struct PayeeCase {
    const char* name;
    const char* payee;
    bool standardFonts;
    const char* read = nullptr;  // what a reader takes the text for, when not as typed
};

void PrintTo(const PayeeCase& c, std::ostream* os) { *os << c.name; }

class PayeeNames : public StandardFontPdf, public ::testing::WithParamInterface<PayeeCase> {};

// A name with a letter WinAnsi lacks is printed whole by the Qt printer, never with the
// letter dropped or replaced; a name WinAnsi holds stays in the standard fonts.
TEST_P(PayeeNames, ArePrintedAsTypedInWhicheverFontsHoldThem) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    const auto pdf = folder / "check.pdf";
    const std::string bytes = checkTo(GetParam().payee, pdf);
    EXPECT_EQ(usesStandardFont(bytes), GetParam().standardFonts);
    EXPECT_EQ(embedsFont(bytes), !GetParam().standardFonts);
    const char* read = GetParam().read != nullptr ? GetParam().read : GetParam().payee;
    EXPECT_NE(pdfText(pdf).find(read), std::string::npos) << pdfText(pdf);
    EXPECT_NE(pdfText(pdf).find("123-45-6789"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Payees, PayeeNames,
                         ::testing::Values(PayeeCase{"Latin Extended A", "Zoë Łukasiewicz", false},
                                           PayeeCase{"Chinese", "李", false},
                                           PayeeCase{"combining accent",
                                                     "Rene\xCC\x81"
                                                     "e Dubois",
                                                     false, "Renée Dubois"},
                                           PayeeCase{"Latin 1", "Zoë Ærøskøbing-Núñez", true},
                                           PayeeCase{"WinAnsi typography", "Renée “Bo” O’Hara – €",
                                                     true},
                                           PayeeCase{"plain", "Dana Whitfield", true}),
                         CaseName());

// The pay run's checks: one payee out of WinAnsi puts the whole run in the Qt printer's PDF.
TEST_F(StandardFontPdf, OneNameOutsideWinAnsiPrintsTheWholeRunWithTheQtPrinter) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    std::vector<RecordedDocument> checks(3);
    const char* payees[] = {"Dana Whitfield", "Zoë Łukasiewicz", "Avery Tolliver"};
    for (int i = 0; i < 3; ++i) {
        ctx.profile.EmployeeName = payees[i];
        ctx.check = CheckWindow{};
        PrintCheck(ctx, checks[i], {"0", "0"});
    }
    const auto pdf = folder / "checks.pdf";
    const PrintoutsPdfBytes run = printoutsPdfBytes(checks);
    writeBytes(pdf, run.bytes);
    EXPECT_TRUE(embedsFont(run.bytes));
    EXPECT_FALSE(usesStandardFont(run.bytes));
    EXPECT_EQ(run.pages, 3);
    EXPECT_NE(pdfInfo(pdf).find("Pages:           3"), std::string::npos);
    const std::string text = pdfText(pdf);
    for (const char* payee : payees) EXPECT_NE(text.find(payee), std::string::npos) << payee;
}

// The offsets of a check the standard fonts cannot print are judged on the Qt printer's
// layout: as for any payee, the plain check fits and the farthest offsets do not.
TEST_F(StandardFontPdf, OffsetsOfACheckOutsideWinAnsiAreJudgedAsAnyOther) {
    for (const char* payee : {"Dana Whitfield", "Zoë Łukasiewicz"}) {
        SCOPED_TRACE(payee);
        ctx.profile.EmployeeName = payee;
        ctx.check = CheckWindow{};
        EXPECT_TRUE(checkFit(ctx, {"0", "0"}).fits());
        const CheckFit far = checkFit(ctx, {"+5", "+5"});
        EXPECT_FALSE(far.fits());
        EXPECT_TRUE(checkFit(ctx, {std::to_string(far.largestHorizontal),
                                   std::to_string(far.largestVertical)})
                        .fits());
    }
}

// A font the standard fonts do not stand for is printed as the Qt printer prints it.
TEST_F(StandardFontPdf, AnUnknownFontNameIsPrintedByTheQtPrinter) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    const std::string bytes = asText(pdfDocument([](PrintColumnModel& out) {
        out.setFontName("DejaVu Serif");
        out.write("Quarterly summary");
        out.endDocument();
    }));
    EXPECT_TRUE(embedsFont(bytes));
    writeBytes(folder / "serif.pdf", bytes);
    EXPECT_NE(pdfText(folder / "serif.pdf").find("Quarterly summary"), std::string::npos);
}

// A PDF string would end at an unbalanced ")" and take "\" as an escape: the text must come
// back as written.
TEST_F(StandardFontPdf, ParenthesesAndBackslashesAreEscaped) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    const std::vector<std::string> lines{
        "Net (after tax)", "C:\\payroll\\2008", "a)b(c", "(((", "\\)", "end\\"};
    const std::string bytes = asText(pdfDocument([&lines](PrintColumnModel& out) {
        out.setFontName("Courier New");
        for (const std::string& line : lines) {
            out.write(line);
            out.endLine();
        }
        out.tab(10);
        out.writeUpTo("(cut) \\ here", 0);
        out.endDocument();
    }));
    ASSERT_TRUE(usesStandardFont(bytes));
    const auto pdf = folder / "escaped.pdf";
    writeBytes(pdf, bytes);
    pdfInfo(pdf);
    const std::vector<std::string> read = squeezedLines(pdfText(pdf, "-layout"));
    std::vector<std::string> want = lines;
    want.emplace_back("(cut) \\ here");
    EXPECT_EQ(read, want);
}

struct PagingCase {
    const char* name;
    int lines;
    PageOrientation orientation;
    const char* pageSize;
};

void PrintTo(const PagingCase& c, std::ostream* os) { *os << c.name; }

class Paging : public StandardFontPdf, public ::testing::WithParamInterface<PagingCase> {};

// Lines run onto new pages where the Qt printer starts them, on Letter sheets of the
// orientation asked.
TEST_P(Paging, PagesAreCountedAndSizedAsTheQtPrinterCountsThem) {
    const RecordedDocument doc = numberedLines(GetParam().lines, GetParam().orientation);
    const auto play = [&doc](PrintColumnModel& out) { doc.replay(out); };
    int qtPages = 0;
    letterPdf(
        [&](QPagedPaintDevice& device) {
            QtPagePrinter page(device);
            doc.replay(page);
            qtPages = page.pageCount();
        },
        1200);
    const auto pdf = folder / "lines.pdf";
    printToPdfFile(pdf, play, false);
    const std::string info = pdfInfo(pdf);
    EXPECT_NE(info.find("Pages:           " + std::to_string(qtPages) + "\n"), std::string::npos)
        << info;
    EXPECT_NE(info.find(std::string("Page size:       ") + GetParam().pageSize + " pts (letter)"),
              std::string::npos)
        << info;
    if (havePdfToText()) {
        const std::string text = pdfText(pdf);
        EXPECT_NE(text.find("line " + std::to_string(GetParam().lines - 1)), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Paging,
    ::testing::Values(
        PagingCase{"one line", 1, PageOrientation::Portrait, "612 x 792"},
        PagingCase{"a full portrait page", 64, PageOrientation::Portrait, "612 x 792"},
        PagingCase{"three portrait pages", 150, PageOrientation::Portrait, "612 x 792"},
        PagingCase{"landscape pages", 150, PageOrientation::Landscape, "792 x 612"}),
    CaseName());

// A run's printouts keep their own orientation: a landscape report after a portrait stub is
// on a landscape sheet, and the stub after it on a portrait one.
TEST_F(StandardFontPdf, EachPrintoutOfARunHasItsOwnOrientation) {
    std::vector<RecordedDocument> printouts(3);
    PrintText(ctx, printouts[0], "2/1/2008");
    PrintYr(ctx, printouts[1], "2/1/2008");
    PrintText(ctx, printouts[2], "2/1/2008");
    const auto pdf = folder / "mixed.pdf";
    savePrintoutsAsPdf(printouts, pdf);
    expectPortraitLandscapePortrait(pdf);
}

// The same when the run is printed by the Qt printer: a printout sets its orientation after
// its page was begun, which must still make that page's sheet.
TEST_F(StandardFontPdf, EachPrintoutOfARunHasItsOwnOrientationInEitherFonts) {
    for (const char* name : {"Dana Whitfield", "Zoë Łukasiewicz"}) {
        SCOPED_TRACE(name);
        std::vector<RecordedDocument> printouts(3);
        for (int i = 0; i < 3; ++i) {
            printouts[i].setOrientation(i == 1 ? PageOrientation::Landscape
                                               : PageOrientation::Portrait);
            printouts[i].write(name);
            printouts[i].endLine();
            printouts[i].endDocument();
        }
        const auto pdf = folder / "mixed.pdf";
        savePrintoutsAsPdf(printouts, pdf);
        expectPortraitLandscapePortrait(pdf);
    }
}

// A run with nothing to print still leaves a file a reader opens.
TEST_F(StandardFontPdf, ARunWithoutPrintoutsIsAPdfThatOpens) {
    const auto pdf = folder / "none.pdf";
    savePrintoutsAsPdf({}, pdf);
    EXPECT_NE(pdfInfo(pdf).find("Pages:           1"), std::string::npos);
}

}  // namespace
}  // namespace corvanta::testing
