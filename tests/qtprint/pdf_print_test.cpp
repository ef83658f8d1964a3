#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPdfWriter>
#include <array>
#include <cstdlib>
#include <regex>
#include <sstream>
#include <vector>

#include "base/core/user_error.h"
#include "qtprint/check_fit.h"
#include "qtprint/pdf_output.h"
#include "qtprint/qt_page_printer.h"
#include "records/print/text_page.h"
#include "session/print/amount_words.h"
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

// A word of pdftotext -bbox: its text and where it begins, in points from the sheet's corner.
struct PlacedWord {
    std::string text;
    double x = 0;
    double y = 0;
    double height = 0;
};

std::vector<PlacedWord> placedWords(const std::filesystem::path& pdf) {
    const std::string html = pdfText(pdf, "-bbox");
    static const std::regex word(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="[0-9.]+" yMax="([0-9.]+)">([^<]*)</word>)re");
    std::vector<PlacedWord> words;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), word);
         it != std::sregex_iterator(); ++it) {
        const double y = std::stod((*it)[2]);
        words.push_back({(*it)[4], std::stod((*it)[1]), y, std::stod((*it)[3]) - y});
    }
    return words;
}

// The first (highest) word of that text; its x is -1 when there is none.
PlacedWord firstWord(const std::vector<PlacedWord>& words, const std::string& text) {
    for (const PlacedWord& w : words) {
        if (w.text == text) return w;
    }
    return {text, -1, -1, 0};
}

// One print column and one line of Arial at that size, in points, as the printer measures.
struct ColumnMetrics {
    double column = 0;
    double line = 0;
};
ColumnMetrics metricsAt(double points, const std::filesystem::path& scratch) {
    QPdfWriter writer(QString::fromStdString(scratch.string()));
    writer.setResolution(1200);
    QFont font(printFamily("Arial"));
    font.setPointSizeF(points);
    const QFontMetricsF metrics(QFont(font, &writer), &writer);
    return {averageCharWidth(metrics) * 72 / 1200, metrics.height() * 72 / 1200};
}

constexpr double kSheetSideMargin = 18;  // points: a quarter inch
constexpr double kSheetTopMargin = 21.6;
constexpr double kTolerance = 0.75;

int offsetNumber(const char* text) { return std::stoi(text); }

// Every offset the dialog offers: those that keep the check on its sheet print every field at
// its column and line at Arial 11 (face) and 8 (stubs) on one sheet; the others are refused,
// naming the largest that fits, which does.
TEST_F(PdfPrint, EveryAllowedOffsetPrintsEachFieldAtItsPlaceOnOneSheet) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    ctx.check.txtCheckDate = "12/31/2008";
    ctx.check.loaded = true;
    loadCheckWindow(ctx);
    ctx.check.txtCheckDate = "12/31/2008";
    const ColumnMetrics face = metricsAt(11, folder / "m11.pdf");
    const ColumnMetrics stub = metricsAt(8, folder / "m8.pdf");
    int allowed = 0;
    for (const OffsetCase& c : everyOffset()) {
        SCOPED_TRACE(std::string(c.horizontal) + " " + c.vertical);
        const CheckFit fit = checkFit(ctx, {c.horizontal, c.vertical});
        if (!fit.fits()) {
            try {
                requireCheckFits(ctx, {c.horizontal, c.vertical});
                ADD_FAILURE() << "not refused";
            } catch (const UserError& e) {
                EXPECT_NE(std::string(e.what()).find("largest"), std::string::npos) << e.what();
            }
            const int h = fit.horizontalFits ? offsetNumber(c.horizontal) : fit.largestHorizontal;
            const int v = fit.verticalFits ? offsetNumber(c.vertical) : fit.largestVertical;
            EXPECT_TRUE(checkFit(ctx, {std::to_string(h), std::to_string(v)}).fits());
            continue;
        }
        ++allowed;
        const int h = offsetNumber(c.horizontal);
        const int v = offsetNumber(c.vertical);
        const auto pdf = folder / "placed.pdf";
        printToPdfFile(
            pdf,
            [&](PrintColumnModel& page) {
                PrintCheck(ctx, page, {c.horizontal, c.vertical});
            },
            false);
        ASSERT_EQ(pageCount(pdf), 1);
        const auto words = placedWords(pdf);
        const auto column = [&](const ColumnMetrics& m, int n) {
            return kSheetSideMargin + (std::max(n + h, 1) - 1) * m.column;
        };
        const PlacedWord date = firstWord(words, "12/31/2008");
        EXPECT_NEAR(date.x, column(face, 107), kTolerance);
        // v + 3 + 1 blank lines above the date (none once v + 3 is below 0), then the date line.
        const int blanks = std::max(v + 4, 0);
        EXPECT_NEAR(date.y + date.height, kSheetTopMargin + (blanks + 1) * face.line, 3);
        const PlacedWord payee = firstWord(words, "Dana");
        EXPECT_NEAR(payee.x, column(face, 15), kTolerance);
        EXPECT_NEAR(payee.y - date.y, 3 * face.line, kTolerance);
        EXPECT_NEAR(firstWord(words, "123-45-6789").x, column(face, 75), kTolerance);
        const PlacedWord description = firstWord(words, "Description");
        EXPECT_NEAR(description.x, column(stub, 5), kTolerance);
        EXPECT_NEAR(firstWord(words, "Current").x, column(stub, 102), kTolerance);
        EXPECT_NEAR(firstWord(words, "YTD").x, column(stub, 125), kTolerance);
        // The face is set in 11 points, the stubs in 8.
        EXPECT_NEAR(payee.height / description.height, 11.0 / 8, 0.05);
    }
    EXPECT_GT(allowed, 0);
}

// A payee of many wide letters and the widest earnings figures are cut to their columns:
// nothing wraps onto another line or sheet.
TEST_F(PdfPrint, LongPayeesAndAmountsAreCutToTheirColumns) {
    ctx.profile.EmployeeName = std::string(40, 'W');
    ctx.window.txtAmount = {"1000", "", "", "", "", "", "-9999.99", ""};
    ctx.profile.HourlyRate = 99.99F;
    Calcu_late(ctx, CalculateOptions{.save = false});
    ctx.check = CheckWindow{};
    loadCheckWindow(ctx);
    int pages = 0;
    double rightmost = 0;
    double width = 0;
    letterPdf(
        [&](QPagedPaintDevice& device) {
            QtPagePrinter page(device);
            PrintCheck(ctx, page, {"0", "0"});
            pages = page.pageCount();
            rightmost = page.rightmostEdge();
            width = page.printableWidth();
        },
        1200);
    EXPECT_EQ(pages, 1);
    EXPECT_LE(rightmost, width);
    // The text rendering has as many lines as a short name's: none was wrapped.
    TextPage longText;
    PrintCheck(ctx, longText, {"0", "0"});
    ctx.profile.EmployeeName = "Dana Whitfield";
    ctx.check = CheckWindow{};
    loadCheckWindow(ctx);
    TextPage shortText;
    PrintCheck(ctx, shortText, {"0", "0"});
    EXPECT_EQ(std::count(longText.text().begin(), longText.text().end(), '\n'),
              std::count(shortText.text().begin(), shortText.text().end(), '\n'));
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

TEST_F(PdfPrint, CommandLineCheckRefusesAnOffsetOffTheSheetAndPrintsTheLargestThatFits) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    folder.copyFederalTable();
    const auto pdf = folder / "far.pdf";
    const CliResult off =
        runCli({"check", "--dir", folder.path().string(), "--straight", "40", "--horz", "+5",
                "--vert", "+5", "--date", "12/31/2008", "--force", "--pdf", pdf.string()});
    EXPECT_EQ(off.exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    // The message names the largest offsets that fit; printing at them works.
    std::smatch horizontal;
    std::smatch vertical;
    ASSERT_TRUE(std::regex_search(
        off.err, horizontal, std::regex("largest horizontal offset that fits is ([-+]?[0-9])")))
        << off.err;
    ASSERT_TRUE(std::regex_search(off.err, vertical,
                                  std::regex("largest vertical offset that fits is ([-+]?[0-9])")))
        << off.err;
    const CliResult r = runCli({"check", "--dir", folder.path().string(), "--straight", "40",
                                "--horz", horizontal[1], "--vert", vertical[1], "--date",
                                "12/31/2008", "--force", "--pdf", pdf.string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(pageCount(pdf), 1);
    EXPECT_NE(pdfText(pdf, "-layout").find("12/31/2008"), std::string::npos);
}

}  // namespace
}  // namespace corvanta::testing
