#include "qtprint/standard_font_metrics.h"

#include <QBuffer>
#include <QFont>
#include <QFontInfo>
#include <QPdfWriter>
#include <cmath>
#include <limits>
#include <map>
#include <mutex>
#include <utility>

#include "qtprint/page_layout_rules.h"
#include "qtprint/qt_page_printer.h"
#include "qtprint/win_ansi.h"

namespace corvanta {
namespace {

// Qt's fonts are measured by one thread at a time; the figures, once taken, are read freely.
std::mutex& measuring() {
    static std::mutex lock;
    return lock;
}

constexpr float kUnmeasured = std::numeric_limits<float>::quiet_NaN();
constexpr std::size_t kCodes = 256;

bool sameLetters(std::string_view name, std::string_view known) {
    if (name.size() != known.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(name[i]) != lower(known[i])) return false;
    }
    return true;
}

QString familyOf(StandardFont font) {
    return printFamily(font == StandardFont::Helvetica ? "Arial" : "Courier New");
}

}  // namespace

std::optional<StandardFont> standardFontFor(std::string_view name) {
    if (sameLetters(name, "arial")) return StandardFont::Helvetica;
    if (sameLetters(name, "courier new")) return StandardFont::Courier;
    return std::nullopt;
}

std::string_view baseFontName(StandardFont font) {
    return font == StandardFont::Helvetica ? "Helvetica" : "Courier";
}

StandardFontSize::StandardFontSize(StandardFont font, double points)
    : font_(font), kerning_(std::make_unique<std::atomic<float>[]>(kCodes * kCodes)) {
    // The same font on the same device as the Qt printer takes it.
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QPdfWriter device(&sink);
    device.setResolution(kPdfDpi);
    QFont asked(familyOf(font));
    asked.setPointSizeF(points);
    const QFont onDevice(asked, &device);
    metrics_.emplace(onDevice, &device);
    emPixels_ = QFontInfo(onDevice).pixelSize();
    columnWidth_ = averageCharWidth(*metrics_);
    lineHeight_ = metrics_->height();
    ascent_ = metrics_->ascent();
    for (std::size_t code = 0; code < kCodes; ++code) {
        const char16_t c = winAnsiCharacter(static_cast<unsigned char>(code));
        advances_[code] = c == 0 ? 0 : metrics_->horizontalAdvance(QChar(c));
    }
    for (std::size_t i = 0; i < kCodes * kCodes; ++i) {
        kerning_[i].store(kUnmeasured, std::memory_order_relaxed);
    }
}

StandardFontSize::~StandardFontSize() = default;

double StandardFontSize::kerning(unsigned char first, unsigned char second) const {
    std::atomic<float>& known = kerning_[first * kCodes + second];
    const float kern = known.load(std::memory_order_relaxed);
    if (!std::isnan(kern)) return kern;
    const std::lock_guard<std::mutex> hold(measuring());
    const std::array<QChar, 2> letters{QChar(winAnsiCharacter(first)),
                                       QChar(winAnsiCharacter(second))};
    const QString pair(letters.data(), 2);
    // Kerning (and any joined pair) is what the two together take beyond their own widths.
    const double measured =
        metrics_->horizontalAdvance(pair) - advances_[first] - advances_[second];
    known.store(static_cast<float>(measured), std::memory_order_relaxed);
    return measured;
}

double StandardFontSize::width(std::string_view text) const {
    double sum = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto code = static_cast<unsigned char>(text[i]);
        sum += advances_[code];
        if (i > 0) sum += kerning(static_cast<unsigned char>(text[i - 1]), code);
    }
    return sum;
}

const StandardFontSize& standardFontSize(StandardFont font, double points) {
    static std::map<std::pair<StandardFont, double>, std::unique_ptr<StandardFontSize>> sizes;
    const std::lock_guard<std::mutex> hold(measuring());
    auto& size = sizes[{font, points}];
    if (!size) size = std::make_unique<StandardFontSize>(font, points);
    return *size;
}

}  // namespace corvanta
