#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QPdfWriter>
#include <filesystem>
#include <memory>

#include "qtprint/qt_page_printer.h"

namespace corvanta {

// One PDF of many printouts, each starting on a page of its own: the stubs or the checks of
// a pay run. Each printout's own end of document only ends its part.
class RunDocument : public PrintColumnModel {
  public:
    RunDocument();
    ~RunDocument() override;
    RunDocument(const RunDocument&) = delete;
    RunDocument& operator=(const RunDocument&) = delete;

    // The next printout starts on a new page.
    void startPrintout();
    [[nodiscard]] int pages() const { return printer_->pageCount(); }
    // Ends the document and writes it atomically. Throws FileError naming the file.
    void save(const std::filesystem::path& file);

    void setFontName(std::string_view name) override { printer_->setFontName(name); }
    void setFontSize(double points) override { printer_->setFontSize(points); }
    void setOrientation(PageOrientation o) override { printer_->setOrientation(o); }
    void tab(int column) override { printer_->tab(column); }
    void write(std::string_view text) override { printer_->write(text); }
    void writeUpTo(std::string_view text, int limit) override { printer_->writeUpTo(text, limit); }
    void endLine() override { printer_->endLine(); }
    void endDocument() override {}

  private:
    QByteArray bytes_;
    QBuffer buffer_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QtPagePrinter> printer_;
    bool ended_ = false;
};

}  // namespace corvanta
