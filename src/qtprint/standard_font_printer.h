#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "qtprint/pdf_objects.h"
#include "qtprint/standard_font_metrics.h"
#include "records/print/print_column_model.h"

namespace corvanta {

// A PDF back end that writes the text in the PDF standard fonts (nothing embedded), laid out
// by the Qt printer's rules with the Qt printer's figures: a column is the font's average
// character width, a line its height, at the same margins on Letter pages. Lengths are
// pixels of a PDF page at kPdfDpi, as on the Qt printer's PDF writer.
//
// A character WinAnsi cannot hold or a font it does not know makes the document unprintable
// here: what follows is ignored and the caller prints the document with the Qt printer.
class StandardFontPrinter : public PrintColumnModel {
  public:
    StandardFontPrinter();

    void setFontName(std::string_view name) override;
    void setFontSize(double points) override;
    void setOrientation(PageOrientation orientation) override;
    void tab(int column) override;
    void write(std::string_view text) override;
    void writeUpTo(std::string_view text, int limit) override;
    void endLine() override;
    void endDocument() override;

    // What follows starts at the top of a new page; nothing before the first page.
    void pageBreak();

    [[nodiscard]] bool printable() const { return printable_; }
    [[nodiscard]] int pageCount() const { return pages_ + (pageDue_ ? 1 : 0); }
    // How far right the printout reached, and the printable width of the page.
    [[nodiscard]] double rightmostEdge() const { return rightmost_; }
    [[nodiscard]] double printableWidth() const;

    // Ends the document (a blank page when nothing was printed) and gives the PDF file.
    [[nodiscard]] std::string pdf();

  private:
    void start();
    void startOutput();  // starts, and begins the page a page break left due
    void applyFont();
    void beginPage();
    void newPage();
    void finishPage();
    void refuse() { printable_ = false; }
    void writeWinAnsi(std::string_view text);
    void draw(std::string_view text);
    int resourceOf(const StandardFontSize& font);

    PdfObjectWriter file_;
    int catalog_;
    int pageTree_;
    int resources_;
    int info_;
    std::vector<int> pageObjects_;
    std::vector<const StandardFontSize*> fonts_;  // resource /F1 is fonts_[0]
    std::string content_;                         // of the current page

    StandardFont face_ = StandardFont::Helvetica;
    double points_ = 10;
    const StandardFontSize* font_ = nullptr;
    const StandardFontSize* contentFont_ = nullptr;  // the one the page's text is set in
    PageOrientation orientation_ = PageOrientation::Portrait;
    PageOrientation pageOrientation_ = PageOrientation::Portrait;
    bool printable_ = true;
    bool active_ = false;
    bool pageDue_ = false;
    double x_ = 0;
    double y_ = 0;
    int pages_ = 0;
    double rightmost_ = 0;
};

}  // namespace corvanta
