#include "qtprint/run_document.h"

#include <QPageSize>
#include <QPrinter>
#include <exception>
#include <future>

#include "base/files/file_io.h"

namespace corvanta {

RunDocument::RunDocument() : buffer_(&bytes_) {
    buffer_.open(QIODevice::WriteOnly);
    writer_ = std::make_unique<QPdfWriter>(&buffer_);
    writer_->setResolution(1200);
    writer_->setPageSize(QPageSize(QPageSize::Letter));
    writer_->setCreator(QStringLiteral("Corvanta 2008"));
    printer_ = std::make_unique<QtPagePrinter>(*writer_);
}

RunDocument::RunDocument(QPagedPaintDevice& device)
    : printer_(std::make_unique<QtPagePrinter>(device)) {}

RunDocument::~RunDocument() = default;

void RunDocument::startPrintout() { printer_->pageBreak(); }

void RunDocument::finish() {
    if (!printer_) return;
    pages_ = printer_->pageCount();
    if (pages_ > 0) printer_->endDocument();
    printer_.reset();
    writer_.reset();
    if (buffer_.isOpen()) buffer_.close();
}

void RunDocument::save(const std::filesystem::path& file) {
    finish();
    writeFileAtomically(file, std::string_view(bytes_.constData(), bytes_.size()));
}

namespace {

void play(const std::vector<RecordedDocument>& printouts, RunDocument& document) {
    for (const RecordedDocument& printout : printouts) {
        document.startPrintout();
        printout.replay(document);
    }
}

}  // namespace

void savePrintoutsAsPdf(const std::vector<RecordedDocument>& printouts,
                        const std::filesystem::path& file) {
    RunDocument document;
    play(printouts, document);
    document.save(file);
}

void savePrintoutPdfs(const std::vector<PrintoutsPdf>& pdfs) {
    if (pdfs.empty()) return;
    // Qt paints PDFs and measures fonts in any thread; each document is its own.
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
    play(printouts, document);
    document.finish();
}

}  // namespace corvanta
