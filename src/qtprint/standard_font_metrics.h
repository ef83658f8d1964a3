#pragma once

#include <QFontMetricsF>
#include <array>
#include <atomic>
#include <memory>
#include <optional>
#include <string_view>

namespace corvanta {

// The PDF standard fonts the printouts' fonts are printed in, not embedded.
enum class StandardFont { Helvetica, Courier };

// "Arial" is Helvetica and "Courier New" Courier, whatever the case; nothing for other names.
std::optional<StandardFont> standardFontFor(std::string_view name);

// The font's PDF name, "Helvetica" or "Courier".
std::string_view baseFontName(StandardFont font);

// A standard font at one size as Qt measures its metric twin (printFamily) on a PDF page at
// the PDF resolution, in that page's pixels: the same figures the Qt printer lays out with,
// so both back ends break lines, cut fields and place text alike. Text is WinAnsi bytes.
class StandardFontSize {
  public:
    StandardFontSize(StandardFont font, double points);
    StandardFontSize(const StandardFontSize&) = delete;
    StandardFontSize& operator=(const StandardFontSize&) = delete;
    ~StandardFontSize();

    [[nodiscard]] StandardFont font() const { return font_; }
    // The size its glyphs are drawn at: Qt rounds it to whole pixels.
    [[nodiscard]] double emPixels() const { return emPixels_; }
    [[nodiscard]] double columnWidth() const { return columnWidth_; }
    [[nodiscard]] double lineHeight() const { return lineHeight_; }
    [[nodiscard]] double ascent() const { return ascent_; }
    [[nodiscard]] double advance(unsigned char code) const { return advances_[code]; }
    // What the pair's kerning adds to the first one's advance; measured on first use.
    [[nodiscard]] double kerning(unsigned char first, unsigned char second) const;
    // The advance of the whole text, kerning included, as Qt measures the same string.
    [[nodiscard]] double width(std::string_view text) const;

  private:
    StandardFont font_;
    double emPixels_ = 0;
    double columnWidth_ = 0;
    double lineHeight_ = 0;
    double ascent_ = 0;
    std::array<double, 256> advances_{};
    std::optional<QFontMetricsF> metrics_;  // used only under the measuring lock
    std::unique_ptr<std::atomic<float>[]> kerning_;
};

// The font at the size, measured once for the whole program; safe from any thread.
const StandardFontSize& standardFontSize(StandardFont font, double points);

}  // namespace corvanta
