#include "qtprint/printer_output.h"

#include <QPainter>
#include <QPrinter>

#include "base/core/user_error.h"
#include "base/files/file_io.h"
#include "qtprint/qt_page_printer.h"
#include "records/print/recorded_document.h"

namespace corvanta {
namespace {

bool printsToPdfFile(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

std::filesystem::path localPath(const QString& file) { return {file.toStdString()}; }

// The picture scaled to the printable page, keeping its proportions.
void paintPicture(QPagedPaintDevice& device, const QImage& image) {
    QPainter painter;
    if (!painter.begin(&device)) {
        throw UserError("The printer could not be started. Nothing was printed.");
    }
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(image.rect());
    painter.drawImage(0, 0, image);
    if (!painter.end()) throw UserError("The printer did not take the picture.");
}

}  // namespace

void printOnPrinter(QPrinter& printer, const PrintProducer& produce, bool durable) {
    RecordedDocument document;
    produce(document);
    const auto play = [&document](PrintColumnModel& out) { document.replay(out); };
    if (printsToPdfFile(printer)) {
        printToPdfFile(localPath(printer.outputFileName()), play, durable);
        return;
    }
    QtPagePrinter page(printer);
    play(page);
}

void printImageOnPrinter(QPrinter& printer, const QImage& image) {
    if (printsToPdfFile(printer)) {
        const QByteArray bytes =
            letterPdf([&image](QPagedPaintDevice& device) { paintPicture(device, image); }, 1200);
        writeFileAtomically(localPath(printer.outputFileName()),
                            std::string_view(bytes.constData(), bytes.size()));
        return;
    }
    paintPicture(printer, image);
}

}  // namespace corvanta
