#pragma once

#include <QByteArray>
#include <QPagedPaintDevice>
#include <filesystem>
#include <functional>

#include "records/print/print_column_model.h"

namespace corvanta {

using PrintProducer = std::function<void(PrintColumnModel&)>;

// A Letter-size PDF of what `paint` draws on the writer, at the given resolution.
QByteArray letterPdf(const std::function<void(QPagedPaintDevice&)>& paint, int dpi);

// A Letter-size PDF of what the producer prints, in the PDF standard fonts; a printout with
// a character or font they lack is made by the Qt printer at 1200 dpi, the font embedded.
QByteArray pdfDocument(const PrintProducer& produce);

// The same, written atomically to the file. Throws FileError naming it, or the producer's
// own error; the file is then unchanged.
void printToPdfFile(const std::filesystem::path& file, const PrintProducer& produce,
                    bool durable = true);

}  // namespace corvanta
