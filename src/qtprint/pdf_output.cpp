#include "qtprint/pdf_output.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <optional>
#include <string>
#include <string_view>

#include "base/files/file_io.h"
#include "qtprint/page_layout_rules.h"
#include "qtprint/qt_page_printer.h"
#include "qtprint/standard_font_printer.h"
#include "records/print/recorded_document.h"

namespace corvanta {
namespace {

// The PDF in the standard fonts, fast; when the printout needs more than they hold, the Qt
// printer's, with the font embedded. The producer runs once, before either is made.
std::string printoutPdf(const PrintProducer& produce) {
    RecordedDocument printout;
    produce(printout);
    StandardFontPrinter standard;
    printout.replay(standard);
    if (standard.printable()) return standard.pdf();
    const QByteArray bytes = letterPdf(
        [&printout](QPagedPaintDevice& device) {
            QtPagePrinter page(device);
            printout.replay(page);
        },
        kPdfDpi);
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

}  // namespace

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
    const std::string bytes = printoutPdf(produce);
    return {bytes.data(), static_cast<qsizetype>(bytes.size())};
}

void printToPdfFile(const std::filesystem::path& file, const PrintProducer& produce, bool durable) {
    writeFileAtomically(file, printoutPdf(produce), durable);
}

}  // namespace corvanta
