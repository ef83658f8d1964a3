#include "cli/run_document.h"

#include <QPageSize>

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

RunDocument::~RunDocument() = default;

void RunDocument::startPrintout() {
    if (printer_->pageCount() == 0) return;
    // The page printer starts a page when a line passes the bottom: blank lines up to there.
    const int page = printer_->pageCount();
    while (printer_->pageCount() == page) {
        printer_->endLine();
        printer_->write("");
    }
}

void RunDocument::save(const std::filesystem::path& file) {
    if (!ended_) {
        printer_->endDocument();
        printer_.reset();
        writer_.reset();
        buffer_.close();
        ended_ = true;
    }
    writeFileAtomically(file, std::string_view(bytes_.constData(), bytes_.size()));
}

}  // namespace corvanta
