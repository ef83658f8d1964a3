#pragma once

#include <QPagedPaintDevice>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "qtprint/qt_page_printer.h"
#include "records/print/recorded_document.h"

class QPrinter;

namespace corvanta {

// One document of many printouts, each starting on a page of its own: the stubs or the checks
// of a pay run. Each printout's own end of document only ends its part.
class RunDocument : public PrintColumnModel {
  public:
    RunDocument();                                    // a PDF, kept in memory until saved
    explicit RunDocument(QPagedPaintDevice& device);  // a printer the operator chose
    ~RunDocument() override;
    RunDocument(const RunDocument&) = delete;
    RunDocument& operator=(const RunDocument&) = delete;

    // The next printout starts on a new page.
    void startPrintout();
    // The pages printed; for a PDF, known once it is finished.
    [[nodiscard]] int pages() const { return printer_ ? printer_->pageCount() : pages_; }
    // Ends the document: a printer starts printing, a PDF is made.
    void finish();
    // Ends the PDF and writes it atomically. Throws FileError naming the file.
    void save(const std::filesystem::path& file);

    void setFontName(std::string_view name) override { target().setFontName(name); }
    void setFontSize(double points) override { target().setFontSize(points); }
    void setOrientation(PageOrientation o) override { target().setOrientation(o); }
    void tab(int column) override { target().tab(column); }
    void write(std::string_view text) override { target().write(text); }
    void writeUpTo(std::string_view text, int limit) override { target().writeUpTo(text, limit); }
    void endLine() override { target().endLine(); }
    void endDocument() override {}

  private:
    PrintColumnModel& target();

    std::vector<RecordedDocument> printouts_;  // a PDF's, made when it is finished
    std::unique_ptr<QtPagePrinter> printer_;   // a printer's, printed as they come
    std::string bytes_;
    bool finished_ = false;
    int pages_ = 0;
};

// A PDF of printouts, each from a page of its own, in the PDF standard fonts (the Qt
// printer's PDF when one of them needs more), and its page count.
struct PrintoutsPdfBytes {
    std::string bytes;
    int pages = 0;
};
PrintoutsPdfBytes printoutsPdfBytes(const std::vector<RecordedDocument>& printouts);

// The printouts into one PDF file, each from a page of its own, written atomically.
void savePrintoutsAsPdf(const std::vector<RecordedDocument>& printouts,
                        const std::filesystem::path& file);

// Printouts bound for one PDF file.
struct PrintoutsPdf {
    const std::vector<RecordedDocument>* printouts = nullptr;
    std::filesystem::path file;
};

// Several such PDFs at once, each on a core of its own: a pay run's stubs and its checks.
// Throws the first failure once every one has finished; a failed file is unchanged.
void savePrintoutPdfs(const std::vector<PrintoutsPdf>& pdfs);

// The printouts on the printer the operator chose (a PDF file when it prints into one).
void printPrintouts(const std::vector<RecordedDocument>& printouts, QPrinter& printer);

// The PDF file the printer writes into, or nothing for a real printer.
std::optional<std::filesystem::path> pdfFileOf(const QPrinter& printer);

}  // namespace corvanta
