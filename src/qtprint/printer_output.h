#pragma once

#include <QImage>

#include "qtprint/pdf_output.h"

class QPrinter;

namespace corvanta {

// Prints what the producer emits on the printer the operator chose. The producer runs to the
// end before the printer is touched, so a refusal prints nothing. A printer set to print into
// a PDF file writes that file atomically. Throws the producer's error, or FileError/UserError
// naming what failed.
void printOnPrinter(QPrinter& printer, const PrintProducer& produce, bool durable = true);

// Prints a picture (a window as it is shown) scaled to fit the printable page.
void printImageOnPrinter(QPrinter& printer, const QImage& image);

}  // namespace corvanta
