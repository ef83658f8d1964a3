#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>
#include <map>
#include <optional>
#include <string_view>
#include <utility>

#include "records/print/print_column_model.h"

namespace corvanta {

// The printer back end: a column is the average character width of the current font, a line
// the font's height. Fonts and metrics are taken at the device's resolution, so a point is a
// point on paper. A line that would pass the bottom margin starts a new page. Works on a
// printer chosen by the operator or on a PDF writer.
class QtPagePrinter : public PrintColumnModel {
  public:
    explicit QtPagePrinter(QPagedPaintDevice& device);
    ~QtPagePrinter() override;
    QtPagePrinter(const QtPagePrinter&) = delete;
    QtPagePrinter& operator=(const QtPagePrinter&) = delete;

    void setFontName(std::string_view name) override;
    void setFontSize(double points) override;
    void setOrientation(PageOrientation orientation) override;
    void tab(int column) override;
    void write(std::string_view text) override;
    void writeUpTo(std::string_view text, int limit) override;
    void endLine() override;
    void endDocument() override;

    // What follows starts at the top of a new page; nothing before the first page.
    void pageBreak();

    [[nodiscard]] int pageCount() const { return pages_ + (pageDue_ ? 1 : 0); }
    // How far right the printout reached, and the printable width, in device pixels.
    [[nodiscard]] double rightmostEdge() const { return rightmost_; }
    [[nodiscard]] double printableWidth() const { return device_.width(); }

  private:
    void start();
    void startOutput();  // starts, and begins the page a page break left due
    void applyFont();
    void newPage();

    struct MeasuredFont {
        QFont font;
        QFontMetricsF metrics;
        double columnWidth = 0;
    };

    QPagedPaintDevice& device_;
    std::map<std::pair<QString, double>, MeasuredFont> fonts_;
    std::optional<QFontMetricsF> metrics_;
    QPainter painter_;
    QString family_;
    double points_ = 10;
    QFont font_;
    double columnWidth_ = 0;
    double lineHeight_ = 0;
    double ascent_ = 0;
    double x_ = 0;
    double y_ = 0;
    int pages_ = 0;
    bool pageDue_ = false;
    double rightmost_ = 0;
};

// One print column: the font's average character width, from the lowercase letters and the
// blank weighted by their frequency in English text.
double averageCharWidth(const QFontMetricsF& metrics);

// "Arial" where the system has it, else its metric twin "Liberation Sans"; other names as
// they are.
QString printFamily(std::string_view name);

}  // namespace corvanta
