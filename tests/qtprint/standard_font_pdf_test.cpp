// The PDFs in the standard fonts against the Qt printer's: the same pages with the same text at
// the same places, and the Qt printer's PDF whenever the standard fonts cannot hold the text.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "qtprint/pdf_output.h"
#include "qtprint/qt_page_printer.h"
#include "qtprint/run_document.h"
#include "qtprint/standard_font_printer.h"
#include "session/checks/check_register_report.h"
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

CheckRegister manyChecks(int count) {
    CheckRegister reg;
    for (int i = 0; i < count; ++i) {
        reg.checks.push_back({1001 + i, "4/4/2008", "emp" + std::to_string(i),
                              "Avery Tolliver-" + std::to_string(i), 12345 + 977 * i, "4/4/2008",
                              i % 7 == 3 ? CheckState::Void : CheckState::Issued});
    }
    return reg;
}

using Printout = std::function<void(PayrollContext&, PrintColumnModel&)>;

struct LayoutCase {
    std::string name;
    std::function<void(PayrollContext&)> prepare;
    Printout print;
    int pages = 1;
    Sheet sheet{612, 792};
    // How far a reader puts the feet of a word lower than on the Qt printer's PDF: it boxes a
    // standard font by that font's own descent, the embedded twin by the twin's. Helvetica's
    // and Liberation Sans' differ by 0.005 em, Courier's (0.157) and Liberation Mono's (0.300)
    // by 0.143 em, 1.14 points at 8.
    double descentGap = 0.1;
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

Printout checkAt(const char* horizontal, const char* vertical) {
    return [=](PayrollContext& ctx, PrintColumnModel& out) {
        PrintCheck(ctx, out, {horizontal, vertical});
    };
}

const std::vector<LayoutCase>& layoutCases() {
    static const std::vector<LayoutCase> cases{
        {"stub", [](PayrollContext&) {},
         [](PayrollContext& ctx, PrintColumnModel& out) { PrintText(ctx, out, "2/1/2008"); }},
        {"check right 2 up 1", [](PayrollContext&) {}, checkAt("+2", "-1")},
        {"check left 3 down 1", [](PayrollContext&) {}, checkAt("-3", "+1")},
        {"check of a payee cut to its column",
         [](PayrollContext& ctx) {
             ctx.profile.EmployeeName = "Wolfgang Avery-Thackeray " + std::string(30, 'W');
         },
         checkAt("0", "0")},
        {"check of a kerned payee",
         [](PayrollContext& ctx) { ctx.profile.EmployeeName = "AVA Tøyen, LTA \"WAVY\" Yves"; },
         checkAt("0", "0")},
        {"weekly ledger report in landscape", [](PayrollContext&) {},
         [](PayrollContext& ctx, PrintColumnModel& out) { PrintYr(ctx, out, "2/1/2008"); }, 1,
         Sheet{792, 612}},
        {"check register of four pages in landscape", [](PayrollContext&) {},
         [](PayrollContext&, PrintColumnModel& out) { printCheckRegister(manyChecks(200), out); },
         4, Sheet{792, 612}, 1.2},
    };
    return cases;
}

class StandardFontLayout : public PayrollFixture, public ::testing::WithParamInterface<LayoutCase> {
  protected:
    void SetUp() override {
        startGui();
        PayrollFixture::SetUp();
        fillPrintScenario(ctx);
        GetParam().prepare(ctx);
    }

    // The printout on a back end, from the context as it is now (a printout may change it).
    void printOn(PrintColumnModel& out) {
        PayrollContext copy = ctx;
        GetParam().print(copy, out);
    }
    PrintProducer producer() {
        return [this](PrintColumnModel& out) { printOn(out); };
    }
};

// The layout itself: pages and the reach to the right as the Qt printer counts them.
TEST_P(StandardFontLayout, BreaksPagesAndReachesAsFarAsTheQtPrinter) {
    StandardFontPrinter standard;
    printOn(standard);
    ASSERT_TRUE(standard.printable());
    int qtPages = 0;
    double qtRightmost = 0;
    double qtWidth = 0;
    letterPdf(
        [&](QPagedPaintDevice& device) {
            QtPagePrinter page(device);
            printOn(page);
            qtPages = page.pageCount();
            qtRightmost = page.rightmostEdge();
            qtWidth = page.printableWidth();
        },
        1200);
    EXPECT_EQ(standard.pageCount(), GetParam().pages);
    EXPECT_EQ(standard.pageCount(), qtPages);
    EXPECT_NEAR(standard.rightmostEdge(), qtRightmost, 1e-6);
    EXPECT_EQ(standard.printableWidth(), qtWidth);
}

// Every word of the printout on the same page and sheet, at the same place and as wide.
TEST_P(StandardFontLayout, PlacesEveryWordWhereTheQtPrinterDoes) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    const std::string fast = asText(pdfDocument(producer()));
    const std::string qt = qtPdf(producer());
    ASSERT_TRUE(usesStandardFont(fast));
    ASSERT_FALSE(embedsFont(fast));
    writeBytes(folder / "fast.pdf", fast);
    writeBytes(folder / "qt.pdf", qt);
    const PdfLayout mine = layoutOf(folder / "fast.pdf");
    const PdfLayout theirs = layoutOf(folder / "qt.pdf");
    ASSERT_EQ(mine.pages.size(), static_cast<std::size_t>(GetParam().pages));
    ASSERT_EQ(mine.pages.size(), theirs.pages.size());
    for (const Sheet& sheet : mine.pages) {
        EXPECT_EQ(sheet.width, GetParam().sheet.width);
        EXPECT_EQ(sheet.height, GetParam().sheet.height);
    }
    ASSERT_EQ(mine.words.size(), theirs.words.size());
    ASSERT_FALSE(mine.words.empty());
    // Well under a point across: the stock's fields stay in place. Down the page every word
    // keeps its line: the feet of all words lie the same distance lower (the fonts' descents
    // differ, and a reader sizes the box of a standard font by its own ascent, so the tops
    // are not compared).
    constexpr double kAcross = 0.05;
    constexpr double kDown = 0.05;
    const double gap = mine.words.front().yMax - theirs.words.front().yMax;
    EXPECT_LE(std::abs(gap), GetParam().descentGap);
    for (std::size_t i = 0; i < mine.words.size(); ++i) {
        const Word& a = mine.words[i];
        const Word& b = theirs.words[i];
        SCOPED_TRACE(b.text);
        ASSERT_EQ(a.text, b.text);
        EXPECT_EQ(a.page, b.page);
        EXPECT_NEAR(a.xMin, b.xMin, kAcross);
        EXPECT_NEAR(a.xMax, b.xMax, kAcross);
        EXPECT_NEAR(a.yMax - b.yMax, gap, kDown);
    }
}

INSTANTIATE_TEST_SUITE_P(Printouts, StandardFontLayout, ::testing::ValuesIn(layoutCases()),
                         CaseName());

}  // namespace
}  // namespace corvanta::testing
