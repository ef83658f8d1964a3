#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "qtprint/pdf_output.h"

class QPrinter;
class QWidget;

namespace corvanta::ui {

// What the windows ask of the desktop: a printer, a file name to write, a document opened.
// The program uses the real dialogs; tests put scripts in their place.
struct DesktopServices {
    // The printer the operator chose, proposing to print into the PDF file `proposedPdf`; null
    // when the dialog was cancelled.
    std::function<std::unique_ptr<QPrinter>(QWidget* parent, const QString& proposedPdf)>
        choosePrinter;
    // Where to save the workbook, starting from the proposed path; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& proposed)> chooseWorkbookFile;
    // Opens a document with the desktop's program for it; false when none took it.
    std::function<bool(const QString& file)> openDocument;
    // Where to write a backup, starting from the proposed path; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& proposed)> chooseBackupFile;
    // The backup to restore, the dialog starting in `folder`; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& folder)> chooseBackupToRestore;
    // Where to write the year's wage file, starting from the proposed path; empty when
    // cancelled.
    std::function<QString(QWidget* parent, const QString& proposed)> chooseWageFile;
    // The hours sheet to read, or to write when `saving`, starting from the proposed path;
    // empty when cancelled.
    std::function<QString(QWidget* parent, const QString& proposed, bool saving)> chooseHoursSheet;
    // Where to write a CSV list, starting from the proposed path; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& proposed)> chooseCsvFile;
};

// The printer selection dialog, the save dialog and the desktop's default applications.
DesktopServices realDesktopServices();

// The printer selection dialog, then the printout on the chosen printer. Cancel prints
// nothing; a refusal or a printer failure is shown with its message. True when printed.
bool printDocument(QWidget* parent, const DesktopServices& desktop, const PrintProducer& produce,
                   const QString& proposedPdf);

// Opens a workbook just written with the desktop's program, or says where it was written
// when no program takes it.
void showWrittenWorkbook(QWidget* parent, const DesktopServices& desktop, const QString& path);

// The printer selection dialog, then a picture of the window as it is shown.
bool printWindowImage(QWidget* parent, const DesktopServices& desktop, QWidget* window,
                      const QString& proposedPdf);

}  // namespace corvanta::ui
