#include "qtprint/qt_page_printer.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <algorithm>
#include <array>

#include "base/core/user_error.h"
#include "qtprint/page_layout_rules.h"

namespace corvanta {
namespace {

// The classic average character width: lowercase letters and the blank weighted by their
// frequency in English text (per thousand). Newer fonts record an average over all their
// glyphs instead, which is a third wider and would push the columns off the page.
constexpr std::array<int, 27> kLetterWeights{64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6,  35, 20, 56,
                                             56, 17, 4,  49, 56,  71, 31, 10, 18, 3, 18, 2,  166};

}  // namespace

double averageCharWidth(const QFontMetricsF& metrics) {
    double sum = 0;
    for (int i = 0; i < 26; ++i) {
        sum += kLetterWeights[i] * metrics.horizontalAdvance(QChar(u'a' + i));
    }
    sum += kLetterWeights[26] * metrics.horizontalAdvance(QChar(u' '));
    return sum / 1000;
}

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

[[noreturn]] void fail(const char* what) {
    throw UserError(std::string("The printout failed: ") + what + ". Nothing more was printed.");
}

}  // namespace

QString printFamily(std::string_view name) {
    QString family = fromUtf8(name);
    // Asking the font database resolves aliases through fontconfig: once is enough.
    static const bool hasArial = QFontDatabase::hasFamily(QStringLiteral("Arial"));
    if (family.compare("Arial", Qt::CaseInsensitive) == 0 && !hasArial) {
        return QStringLiteral("Liberation Sans");
    }
    return family;
}

QtPagePrinter::QtPagePrinter(QPagedPaintDevice& device)
    : device_(device), family_(printFamily("Arial")) {
    device_.setPageMargins(printMargins(), QPageLayout::Point);
}

QtPagePrinter::~QtPagePrinter() {
    if (painter_.isActive()) painter_.end();
}

void QtPagePrinter::setFontName(std::string_view name) {
    family_ = printFamily(name);
    if (painter_.isActive()) applyFont();
}

void QtPagePrinter::setFontSize(double points) {
    points_ = points;
    if (painter_.isActive()) applyFont();
}

void QtPagePrinter::setOrientation(PageOrientation orientation) {
    // Before the first page this sets the whole document; later, the pages that follow.
    device_.setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                         : QPageLayout::Portrait);
}

void QtPagePrinter::start() {
    if (painter_.isActive()) return;
    if (pages_ > 0 || !painter_.begin(&device_)) fail("the printer could not be opened");
    pages_ = 1;
    x_ = y_ = 0;
    applyFont();
}

void QtPagePrinter::applyFont() {
    // A printout switches between a few fonts many times: each is measured once.
    const auto key = std::make_pair(family_, points_);
    auto known = fonts_.find(key);
    if (known == fonts_.end()) {
        QFont font(family_);
        font.setPointSizeF(points_);
        const QFont onDevice(font, &device_);
        const QFontMetricsF metrics(onDevice, &device_);
        known =
            fonts_.emplace(key, MeasuredFont{onDevice, metrics, averageCharWidth(metrics)}).first;
    }
    const MeasuredFont& measured = known->second;
    font_ = measured.font;
    painter_.setFont(font_);
    metrics_ = measured.metrics;
    columnWidth_ = measured.columnWidth;
    lineHeight_ = metrics_->height();
    ascent_ = metrics_->ascent();
}

void QtPagePrinter::newPage() {
    if (!device_.newPage()) fail("a new page could not be started");
    ++pages_;
    y_ = 0;
    painter_.setFont(font_);
}

void QtPagePrinter::pageBreak() {
    if (!painter_.isActive()) return;
    // The page is begun at its first output, so that an orientation set before that is its
    // own: a sheet's size is fixed when it is begun.
    if (pageDue_) newPage();
    pageDue_ = true;
    x_ = 0;
}

void QtPagePrinter::startOutput() {
    start();
    if (!pageDue_) return;
    pageDue_ = false;
    newPage();
}

void QtPagePrinter::tab(int column) {
    startOutput();
    const double target = tabStop(column, columnWidth_);
    if (x_ > target + kTabSlack) endLine();
    x_ = target;
}

void QtPagePrinter::write(std::string_view text) {
    startOutput();
    if (lineOverflows(y_, lineHeight_, device_.height())) newPage();
    if (text.empty()) return;
    const QString line = fromUtf8(text);
    painter_.drawText(QPointF(x_, y_ + ascent_), line);
    x_ += metrics_->horizontalAdvance(line);
    rightmost_ = std::max(rightmost_, x_);
}

void QtPagePrinter::writeUpTo(std::string_view text, int limit) {
    startOutput();
    const double room = fieldRoom(limit, x_, columnWidth_, device_.width());
    QString line = fromUtf8(text);
    while (!line.isEmpty() && metrics_->horizontalAdvance(line) > room) line.chop(1);
    write(line.toStdString());
}

void QtPagePrinter::endLine() {
    startOutput();
    x_ = 0;
    y_ += lineHeight_;
}

void QtPagePrinter::endDocument() {
    startOutput();
    if (!painter_.end()) fail("the document could not be finished");
}

}  // namespace corvanta
