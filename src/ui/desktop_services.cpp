#include "ui/desktop_services.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>
#include <QWidget>

#include "base/core/user_error.h"
#include "qtprint/printer_output.h"
#include "ui/message_box.h"

namespace corvanta::ui {
namespace {

std::unique_ptr<QPrinter> askForPrinter(QWidget* parent, const QString& proposedPdf) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFileName(proposedPdf);
    QPrintDialog dialog(printer.get(), parent);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    return printer;
}

QString askForWorkbookFile(QWidget* parent, const QString& proposed) {
    return QFileDialog::getSaveFileName(parent, "Excel", proposed, "Excel Workbook (*.xlsx)");
}

constexpr const char* kBackupFilter = "Backups (*.tar.gz)";

QString askForBackupFile(QWidget* parent, const QString& proposed) {
    return QFileDialog::getSaveFileName(parent, "Backup", proposed, kBackupFilter);
}

QString askForBackupToRestore(QWidget* parent, const QString& folder) {
    return QFileDialog::getOpenFileName(parent, "Restore", folder, kBackupFilter);
}

QString askForWageFile(QWidget* parent, const QString& proposed) {
    return QFileDialog::getSaveFileName(parent, "Wage File", proposed);
}

QString askForHoursSheet(QWidget* parent, const QString& proposed, bool saving) {
    constexpr const char* kFilter = "Hours sheets (*.csv)";
    return saving ? QFileDialog::getSaveFileName(parent, "Export", proposed, kFilter)
                  : QFileDialog::getOpenFileName(parent, "Import", proposed, kFilter);
}

QString askForCsvFile(QWidget* parent, const QString& proposed) {
    return QFileDialog::getSaveFileName(parent, "Export", proposed, "CSV (*.csv)");
}

bool openWithDesktop(const QString& file) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

// Runs a print step, showing its refusal; true when it went through.
template <typename Print>
bool reported(QWidget* parent, Print print) {
    try {
        print();
    } catch (const UserError& e) {
        showUserError(parent, e);
        return false;
    } catch (const std::exception& e) {
        showUserMessage(parent, {std::string("The printout failed: ") + e.what(), "Print"});
        return false;
    }
    return true;
}

}  // namespace

DesktopServices realDesktopServices() {
    return DesktopServices{askForPrinter,    askForWorkbookFile,    openWithDesktop,
                           askForBackupFile, askForBackupToRestore, askForWageFile,
                           askForHoursSheet, askForCsvFile};
}

void showWrittenWorkbook(QWidget* parent, const DesktopServices& desktop, const QString& path) {
    if (desktop.openDocument(path)) return;
    showUserMessage(parent, {"The workbook was written to " + fromQt(path) +
                                 ",\r\nbut no program is set up to open it.",
                             "Excel", MessageIcon::Information});
}

bool printDocument(QWidget* parent, const DesktopServices& desktop, const PrintProducer& produce,
                   const QString& proposedPdf) {
    const std::unique_ptr<QPrinter> printer = desktop.choosePrinter(parent, proposedPdf);
    if (printer == nullptr) return false;
    return reported(parent, [&] { printOnPrinter(*printer, produce); });
}

bool printWindowImage(QWidget* parent, const DesktopServices& desktop, QWidget* window,
                      const QString& proposedPdf) {
    const std::unique_ptr<QPrinter> printer = desktop.choosePrinter(parent, proposedPdf);
    if (printer == nullptr) return false;
    const QImage picture = window->grab().toImage();
    return reported(parent, [&] { printImageOnPrinter(*printer, picture); });
}

}  // namespace corvanta::ui
