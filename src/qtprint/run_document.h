#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QPdfWriter>
#include <filesystem>
#include <memory>
#include <optional>
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
    [[nodiscard]] int pages() const { return printer_ ? printer_->pageCount() : pages_; }
    // Ends the document: a printer starts printing.
    void finish();
    // Ends the PDF and writes it atomically. Throws FileError naming the file.
    void save(const std::filesystem::path& file);

    void setFontName(std::string_view name) override { printer_->setFontName(name); }
    void setFontSize(double points) override { printer_->setFontSize(points); }
    void setOrientation(PageOrientation o) override { printer_->setOrientation(o); }
    void tab(int column) override { printer_->tab(column); }
    void write(std::string_view text) override { printer_->write(text); }
    void writeUpTo(std::string_view text, int limit) override { printer_->writeUpTo(text, limit); }
    void endLine() override { printer_->endLine(); }
    void endDocument() override {}

  private:
    QByteArray bytes_;
    QBuffer buffer_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QtPagePrinter> printer_;
    int pages_ = 0;
};

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
