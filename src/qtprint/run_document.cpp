#include "qtprint/run_document.h"

#include <QPrinter>
#include <exception>
#include <future>

#include "base/files/file_io.h"
#include "qtprint/page_layout_rules.h"
#include "qtprint/pdf_output.h"
#include "qtprint/standard_font_printer.h"

namespace corvanta {
namespace {

// A printout as a part of the document: its own end of document is not the document's.
class PrintoutPart : public PrintColumnModel {
  public:
    explicit PrintoutPart(PrintColumnModel& document) : document_(document) {}
    void setFontName(std::string_view name) override { document_.setFontName(name); }
    void setFontSize(double points) override { document_.setFontSize(points); }
    void setOrientation(PageOrientation o) override { document_.setOrientation(o); }
    void tab(int column) override { document_.tab(column); }
    void write(std::string_view text) override { document_.write(text); }
    void writeUpTo(std::string_view text, int limit) override { document_.writeUpTo(text, limit); }
    void endLine() override { document_.endLine(); }
    void endDocument() override {}

  private:
    PrintColumnModel& document_;
};

// Plays the printouts, each from a new page, and ends the document; gives its pages.
template <class Printer>
int play(const std::vector<RecordedDocument>& printouts, Printer& printer) {
    PrintoutPart part(printer);
    for (const RecordedDocument& printout : printouts) {
        printer.pageBreak();
        printout.replay(part);
    }
    const int pages = printer.pageCount();
    if (pages > 0) printer.endDocument();
    return pages;
}

}  // namespace

RunDocument::RunDocument() : printouts_(1) {}

RunDocument::RunDocument(QPagedPaintDevice& device)
    : printer_(std::make_unique<QtPagePrinter>(device)) {}

RunDocument::~RunDocument() = default;

PrintColumnModel& RunDocument::target() {
    if (printer_) return *printer_;
    return printouts_.back();
}

void RunDocument::startPrintout() {
    if (printer_) {
        printer_->pageBreak();
    } else {
        printouts_.emplace_back();
    }
}

void RunDocument::finish() {
    if (finished_) return;
    finished_ = true;
    if (printer_) {
        pages_ = printer_->pageCount();
        if (pages_ > 0) printer_->endDocument();
        printer_.reset();
        return;
    }
    PrintoutsPdfBytes pdf = printoutsPdfBytes(printouts_);
    bytes_ = std::move(pdf.bytes);
    pages_ = pdf.pages;
    printouts_.clear();
}

void RunDocument::save(const std::filesystem::path& file) {
    finish();
    writeFileAtomically(file, bytes_);
}

PrintoutsPdfBytes printoutsPdfBytes(const std::vector<RecordedDocument>& printouts) {
    StandardFontPrinter standard;
    const int pages = play(printouts, standard);
    if (standard.printable()) {
        // A run without a page still makes a file that opens: one blank page.
        return {standard.pdf(), pages};
    }
    int qtPages = 0;
    const QByteArray bytes = letterPdf(
        [&](QPagedPaintDevice& device) {
            QtPagePrinter printer(device);
            qtPages = play(printouts, printer);
        },
        kPdfDpi);
    return {std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())), qtPages};
}

void savePrintoutsAsPdf(const std::vector<RecordedDocument>& printouts,
                        const std::filesystem::path& file) {
    writeFileAtomically(file, printoutsPdfBytes(printouts).bytes);
}

void savePrintoutPdfs(const std::vector<PrintoutsPdf>& pdfs) {
    if (pdfs.empty()) return;
    // Each document is its own; fonts are measured by one thread at a time.
    std::vector<std::future<void>> others;
    for (std::size_t i = 1; i < pdfs.size(); ++i) {
        others.push_back(std::async(std::launch::async, [&pdf = pdfs[i]] {
            savePrintoutsAsPdf(*pdf.printouts, pdf.file);
        }));
    }
    std::exception_ptr failure;
    try {
        savePrintoutsAsPdf(*pdfs.front().printouts, pdfs.front().file);
    } catch (...) {
        failure = std::current_exception();
    }
    for (auto& other : others) {
        try {
            other.get();
        } catch (...) {
            if (!failure) failure = std::current_exception();
        }
    }
    if (failure) std::rethrow_exception(failure);
}

std::optional<std::filesystem::path> pdfFileOf(const QPrinter& printer) {
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(printer.outputFileName().toStdString());
}

void printPrintouts(const std::vector<RecordedDocument>& printouts, QPrinter& printer) {
    if (const auto file = pdfFileOf(printer)) {
        savePrintoutsAsPdf(printouts, *file);
        return;
    }
    RunDocument document(printer);
    for (const RecordedDocument& printout : printouts) {
        document.startPrintout();
        printout.replay(document);
    }
    document.finish();
}

}  // namespace corvanta
