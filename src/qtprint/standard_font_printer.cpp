#include "qtprint/standard_font_printer.h"

#include <QByteArray>
#include <QPageLayout>
#include <QPageSize>
#include <algorithm>
#include <array>
#include <stdexcept>

#include "base/core/user_error.h"
#include "qtprint/page_layout_rules.h"
#include "qtprint/win_ansi.h"

namespace corvanta {
namespace {

constexpr double kPointsPerPixel = 72.0 / kPdfDpi;
constexpr unsigned char kFirstCode = 32;

// A Letter page as the Qt printer's PDF writer lays it out: the printable rectangle in its
// pixels (Qt rounds the margins), the sheet in points.
struct PageFrame {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double sheetWidth = 0;
    double sheetHeight = 0;
};

const PageFrame& frameOf(PageOrientation orientation) {
    static const std::array<PageFrame, 2> frames = [] {
        std::array<PageFrame, 2> made{};
        for (const auto o : {QPageLayout::Portrait, QPageLayout::Landscape}) {
            const QPageLayout layout(QPageSize(QPageSize::Letter), o, printMargins(),
                                     QPageLayout::Point);
            const QRect paint = layout.paintRectPixels(kPdfDpi);
            const QRectF sheet = layout.fullRect(QPageLayout::Point);
            made[o == QPageLayout::Landscape ? 1 : 0] = {
                double(paint.left()),   double(paint.top()), double(paint.width()),
                double(paint.height()), sheet.width(),       sheet.height()};
        }
        return made;
    }();
    return frames[orientation == PageOrientation::Landscape ? 1 : 0];
}

// The font at its size: the widths are Qt's for the size, so a reader places every glyph
// where the Qt printer would.
std::string fontDictionary(const StandardFontSize& font) {
    std::string dictionary = "<< /Type /Font /Subtype /Type1 /BaseFont /";
    dictionary += baseFontName(font.font());
    dictionary += " /Encoding /WinAnsiEncoding /FirstChar " + std::to_string(kFirstCode) +
                  " /LastChar 255 /Widths [";
    for (int code = kFirstCode; code < 256; ++code) {
        appendPdfNumber(dictionary,
                        font.advance(static_cast<unsigned char>(code)) / font.emPixels() * 1000);
        dictionary += ' ';
    }
    dictionary += "] >>";
    return dictionary;
}

[[noreturn]] void fail(const char* what) {
    throw UserError(std::string("The printout failed: ") + what + ". Nothing more was printed.");
}

}  // namespace

StandardFontPrinter::StandardFontPrinter()
    : catalog_(file_.reserve()),
      pageTree_(file_.reserve()),
      resources_(file_.reserve()),
      info_(file_.reserve()) {}

double StandardFontPrinter::printableWidth() const {
    return frameOf(active_ && !pageDue_ ? pageOrientation_ : orientation_).width;
}

void StandardFontPrinter::setFontName(std::string_view name) {
    if (!printable_) return;
    const auto face = standardFontFor(name);
    if (!face) return refuse();
    face_ = *face;
    if (active_) applyFont();
}

void StandardFontPrinter::setFontSize(double points) {
    if (!printable_) return;
    points_ = points;
    if (active_) applyFont();
}

void StandardFontPrinter::setOrientation(PageOrientation orientation) {
    orientation_ = orientation;
}

void StandardFontPrinter::applyFont() { font_ = &standardFontSize(face_, points_); }

void StandardFontPrinter::start() {
    if (active_) return;
    if (pages_ > 0) fail("the printer could not be opened");
    active_ = true;
    pages_ = 1;
    x_ = y_ = 0;
    beginPage();
    applyFont();
}

void StandardFontPrinter::beginPage() {
    pageOrientation_ = orientation_;
    contentFont_ = nullptr;
    content_ = "BT\n";
}

void StandardFontPrinter::finishPage() {
    content_ += "ET\n";
    const int contents = file_.reserve();
    // Deflated at zlib's fastest level: a third of the size for little time.
    const QByteArray deflated = qCompress(reinterpret_cast<const uchar*>(content_.data()),
                                          static_cast<qsizetype>(content_.size()), 1);
    // qCompress puts the length before the zlib stream; the PDF wants the stream alone.
    constexpr qsizetype kLengthPrefix = 4;
    file_.writeStream(contents,
                      std::string_view(deflated.constData() + kLengthPrefix,
                                       static_cast<std::size_t>(deflated.size() - kLengthPrefix)),
                      " /Filter /FlateDecode");
    const PageFrame& frame = frameOf(pageOrientation_);
    std::string page =
        "<< /Type /Page /Parent " + std::to_string(pageTree_) + " 0 R /MediaBox [0 0 ";
    appendPdfNumber(page, frame.sheetWidth);
    page += ' ';
    appendPdfNumber(page, frame.sheetHeight);
    page += "] /Resources " + std::to_string(resources_) + " 0 R /Contents " +
            std::to_string(contents) + " 0 R >>";
    const int object = file_.reserve();
    file_.write(object, page);
    pageObjects_.push_back(object);
}

void StandardFontPrinter::newPage() {
    finishPage();
    ++pages_;
    y_ = 0;
    beginPage();
}

void StandardFontPrinter::pageBreak() {
    if (!printable_ || !active_) return;
    // The page is begun at its first output, so that an orientation set before that is its
    // own, as on the Qt printer.
    if (pageDue_) newPage();
    pageDue_ = true;
    x_ = 0;
}

void StandardFontPrinter::startOutput() {
    start();
    if (!pageDue_) return;
    pageDue_ = false;
    newPage();
}

void StandardFontPrinter::tab(int column) {
    if (!printable_) return;
    startOutput();
    const double target = tabStop(column, font_->columnWidth());
    if (x_ > target + kTabSlack) endLine();
    x_ = target;
}

void StandardFontPrinter::write(std::string_view text) {
    if (!printable_) return;
    startOutput();
    const auto bytes = toWinAnsi(text);
    if (!bytes) return refuse();
    writeWinAnsi(*bytes);
}

void StandardFontPrinter::writeWinAnsi(std::string_view text) {
    if (lineOverflows(y_, font_->lineHeight(), frameOf(pageOrientation_).height)) newPage();
    if (text.empty()) return;
    draw(text);
    x_ += font_->width(text);
    rightmost_ = std::max(rightmost_, x_);
}

void StandardFontPrinter::writeUpTo(std::string_view text, int limit) {
    if (!printable_) return;
    startOutput();
    const double room = fieldRoom(limit, x_, font_->columnWidth(), frameOf(pageOrientation_).width);
    const auto bytes = toWinAnsi(text);
    if (!bytes) return refuse();
    // The longest beginning that fits, searched from the whole text down as the Qt printer
    // cuts it (kerning can make a longer beginning narrower).
    std::vector<double> widths(bytes->size() + 1, 0);
    for (std::size_t i = 0; i < bytes->size(); ++i) {
        const auto code = static_cast<unsigned char>((*bytes)[i]);
        widths[i + 1] =
            widths[i] + font_->advance(code) +
            (i > 0 ? font_->kerning(static_cast<unsigned char>((*bytes)[i - 1]), code) : 0);
    }
    std::size_t kept = bytes->size();
    while (kept > 0 && widths[kept] > room) --kept;
    writeWinAnsi(std::string_view(*bytes).substr(0, kept));
}

void StandardFontPrinter::endLine() {
    if (!printable_) return;
    startOutput();
    x_ = 0;
    y_ += font_->lineHeight();
}

void StandardFontPrinter::endDocument() {
    if (!printable_) return;
    startOutput();
    finishPage();
    active_ = false;
}

int StandardFontPrinter::resourceOf(const StandardFontSize& font) {
    const auto known = std::find(fonts_.begin(), fonts_.end(), &font);
    if (known != fonts_.end()) return static_cast<int>(known - fonts_.begin()) + 1;
    fonts_.push_back(&font);
    return static_cast<int>(fonts_.size());
}

void StandardFontPrinter::draw(std::string_view text) {
    const double em = font_->emPixels();
    if (contentFont_ != font_) {
        content_ += "/F" + std::to_string(resourceOf(*font_)) + ' ';
        appendPdfNumber(content_, em * kPointsPerPixel);
        content_ += " Tf\n";
        contentFont_ = font_;
    }
    const PageFrame& frame = frameOf(pageOrientation_);
    content_ += "1 0 0 1 ";
    appendPdfNumber(content_, (frame.left + x_) * kPointsPerPixel);
    content_ += ' ';
    appendPdfNumber(content_,
                    frame.sheetHeight - (frame.top + y_ + font_->ascent()) * kPointsPerPixel);
    content_ += " Tm\n[";
    // Runs of text between kerned pairs; a kerning moves the next glyph by thousandths of
    // the em, against the direction of writing.
    std::size_t run = 0;
    for (std::size_t i = 1; i < text.size(); ++i) {
        const double kern = font_->kerning(static_cast<unsigned char>(text[i - 1]),
                                           static_cast<unsigned char>(text[i]));
        if (kern == 0) continue;
        appendPdfString(content_, text.substr(run, i - run));
        appendPdfNumber(content_, -kern / em * 1000);
        run = i;
    }
    appendPdfString(content_, text.substr(run));
    content_ += "] TJ\n";
}

std::string StandardFontPrinter::pdf() {
    if (!printable_) throw std::logic_error("a printout the standard fonts cannot print");
    if (active_ || pages_ == 0) endDocument();
    std::vector<int> fontObjects;
    for (const StandardFontSize* font : fonts_) {
        fontObjects.push_back(file_.reserve());
        file_.write(fontObjects.back(), fontDictionary(*font));
    }
    std::string resources = "<< /Font <<";
    for (std::size_t i = 0; i < fontObjects.size(); ++i) {
        resources += " /F" + std::to_string(i + 1) + ' ' + std::to_string(fontObjects[i]) + " 0 R";
    }
    resources += " >> >>";
    file_.write(resources_, resources);
    std::string tree = "<< /Type /Pages /Kids [";
    for (const int page : pageObjects_) tree += std::to_string(page) + " 0 R ";
    tree += "] /Count " + std::to_string(pageObjects_.size()) + " >>";
    file_.write(pageTree_, tree);
    file_.write(catalog_, "<< /Type /Catalog /Pages " + std::to_string(pageTree_) + " 0 R >>");
    file_.write(info_, "<< /Creator (Corvanta 2008) /Producer (Corvanta 2008) >>");
    return file_.finish(catalog_, info_);
}

}  // namespace corvanta
