#include "qtprint/pdf_output.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <string_view>

#include "base/files/file_io.h"
#include "qtprint/qt_page_printer.h"

namespace corvanta {

QByteArray letterPdf(const std::function<void(QPagedPaintDevice&)>& paint, int dpi) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(dpi);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        writer.setCreator(QStringLiteral("Corvanta 2008"));
        paint(writer);
    }
    return bytes;
}

QByteArray pdfDocument(const PrintProducer& produce) {
    return letterPdf(
        [&produce](QPagedPaintDevice& device) {
            QtPagePrinter page(device);
            produce(page);
        },
        1200);
}

void printToPdfFile(const std::filesystem::path& file, const PrintProducer& produce, bool durable) {
    const QByteArray bytes = pdfDocument(produce);
    writeFileAtomically(file, std::string_view(bytes.constData(), bytes.size()), durable);
}

}  // namespace corvanta
