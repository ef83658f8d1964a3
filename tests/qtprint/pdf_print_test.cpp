#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPdfWriter>
#include <array>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "base/core/user_error.h"
#include "qtprint/pdf_output.h"
#include "qtprint/qt_page_printer.h"
#include "records/print/text_page.h"
#include "session/print/check_print.h"
#include "session/print/ledger_report.h"
#include "session/print/pay_stub.h"
#include "support/case_names.h"
#include "support/cli_runner.h"
#include "support/payroll_fixture.h"
#include "support/pdf_text.h"
#include "support/print_scenario.h"

namespace corvanta::testing {
namespace {

QGuiApplication& app() {
    static int argc = 1;
    static char name[] = "output_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication instance(argc, argv);
    return instance;
}

int pageCount(const std::filesystem::path& pdf) {
    const std::string text = pdfText(pdf, "-layout");
    return static_cast<int>(std::count(text.begin(), text.end(), '\f'));
}

class PdfPrint : public PayrollFixture {
  protected:
    void SetUp() override {
        app();
        PayrollFixture::SetUp();
        fillPrintScenario(ctx);
    }
};

TEST_F(PdfPrint, StubPdfCarriesTheLinesOfTheTextRendering) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    TextPage text;
    PrintText(ctx, text, "2/1/2008");
    const auto pdf = folder / "stub.pdf";
    printToPdfFile(
        pdf, [&](PrintColumnModel& page) { PrintText(ctx, page, "2/1/2008"); }, false);
    EXPECT_EQ(firstLineMissingFromPdf(text.text(), pdfText(pdf, "-layout")), "");
    EXPECT_EQ(pageCount(pdf), 1);
}

TEST_F(PdfPrint, WeeklyLedgerReportFitsOneLandscapePage) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    const auto pdf = folder / "report.pdf";
    printToPdfFile(
        pdf, [&](PrintColumnModel& page) { PrintYr(ctx, page, "2/1/2008"); }, false);
    EXPECT_EQ(pageCount(pdf), 1);
    EXPECT_NE(pdfText(pdf, "-layout").find("Total Cafeteria: .00"), std::string::npos);
}

TEST_F(PdfPrint, LongPrintoutsContinueOnANewPage) {
    const QByteArray bytes = pdfDocument([](PrintColumnModel& page) {
        page.setFontSize(10);
        for (int i = 0; i < 150; ++i) {
            page.write("line " + std::to_string(i));
            page.endLine();
        }
        page.endDocument();
    });
    EXPECT_GE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 2);
}

TEST_F(PdfPrint, PointsArePointsAtPrinterResolution) {
    QPdfWriter writer(QString((folder / "m.pdf").c_str()));
    writer.setResolution(1200);
    const QFont font(printFamily("Arial"), 10);
    const QFontMetricsF metrics(font, &writer);
    // Ten points are 1200/72*10 device pixels; the font height is about 1.15 of that.
    EXPECT_NEAR(metrics.height() / (1200.0 / 72 * 10), 1.15, 0.05);
}

TEST_F(PdfPrint, ArialResolvesToAnInstalledFamily) {
    EXPECT_TRUE(QFontDatabase::hasFamily(printFamily("Arial")));
}

TEST_F(PdfPrint, UnwritableFileIsReportedWithItsName) {
    const auto pdf = folder / "missing-folder" / "stub.pdf";
    try {
        printToPdfFile(pdf, [&](PrintColumnModel& page) { PrintText(ctx, page, "2/1/2008"); });
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.fileName(), "stub.pdf");
    }
}

struct OffsetCase {
    std::string name;
    const char* horizontal;
    const char* vertical;
};

void PrintTo(const OffsetCase& c, std::ostream* os) { *os << c.name; }

// Every offset the offset dialog offers, both ways at once as well as each alone.
std::vector<OffsetCase> everyOffset() {
    static constexpr std::array<const char*, 11> kTexts{"+5", "+4", "+3", "+2", "+1", "0",
                                                        "-1", "-2", "-3", "-4", "-5"};
    std::vector<OffsetCase> cases;
    for (const char* h : kTexts) {
        for (const char* v : kTexts) {
            cases.push_back({testing::checkOffsetName(std::stoi(h), std::stoi(v)), h, v});
        }
    }
    return cases;
}

class CheckOnOnePage : public PdfPrint, public ::testing::WithParamInterface<OffsetCase> {};

TEST_P(CheckOnOnePage, FaceAndBothStubsStayOnTheLetterPage) {
    const OffsetCase& c = GetParam();
    ctx.check.txtCheckDate = "12/31/2008";
    ctx.check.loaded = true;
    int pages = 0;
    double rightmost = 0;
    double width = 0;
    letterPdf(
        [&](QPagedPaintDevice& device) {
            QtPagePrinter page(device);
            PrintCheck(ctx, page, {c.horizontal, c.vertical});
            pages = page.pageCount();
            rightmost = page.rightmostEdge();
            width = page.printableWidth();
        },
        1200);
    EXPECT_EQ(pages, 1) << c.horizontal << " " << c.vertical;
    EXPECT_LE(rightmost, width) << c.horizontal << " " << c.vertical;
}

INSTANTIATE_TEST_SUITE_P(Offsets, CheckOnOnePage, ::testing::ValuesIn(everyOffset()),
                         testing::CaseName());

TEST_F(PdfPrint, CheckDateAndSecondStubAreOnTheFirstPage) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    ctx.check.txtCheckDate = "12/31/2008";
    ctx.check.loaded = true;
    const auto pdf = folder / "check.pdf";
    printToPdfFile(
        pdf,
        [&](PrintColumnModel& page) {
            PrintCheck(ctx, page, {"+5", "+5"});
        },
        false);
    const std::string text = pdfText(pdf, "-layout");
    EXPECT_EQ(pageCount(pdf), 1);
    EXPECT_NE(text.find("12/31/2008"), std::string::npos);
    // Both stubs' summary lines.
    std::size_t at = text.find("Net Pay");
    ASSERT_NE(at, std::string::npos);
    EXPECT_NE(text.find("Net Pay", at + 1), std::string::npos);
}

// The pay stub's dashed rules, like every other line of it, end inside the page.
TEST_F(PdfPrint, StubLinesEndInsideThePage) {
    double rightmost = 0;
    double width = 0;
    int pages = 0;
    letterPdf(
        [&](QPagedPaintDevice& device) {
            QtPagePrinter page(device);
            PrintText(ctx, page, "2/1/2008");
            rightmost = page.rightmostEdge();
            width = page.printableWidth();
            pages = page.pageCount();
        },
        1200);
    EXPECT_EQ(pages, 1);
    EXPECT_LE(rightmost, width);
}

TEST_F(PdfPrint, CommandLineCheckAtTheLargestOffsetsIsOneSheet) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    folder.copyFederalTable();
    const auto pdf = folder / "far.pdf";
    const CliResult r =
        runCli({"check", "--dir", folder.path().string(), "--straight", "40", "--horz", "+5",
                "--vert", "+5", "--date", "12/31/2008", "--force", "--pdf", pdf.string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(pageCount(pdf), 1);
    EXPECT_NE(pdfText(pdf, "-layout").find("12/31/2008"), std::string::npos);
}

}  // namespace
}  // namespace corvanta::testing
