#pragma once

#include <string>
#include <string_view>

#include "records/print/print_column_model.h"

namespace corvanta {

// The plain-text back end: column n is character n, every line on one page; fonts and
// orientation are ignored. Lines end with "\n"; trailing blanks are dropped.
class TextPage : public PrintColumnModel {
  public:
    void setFontName(std::string_view) override {}
    void setFontSize(double) override {}
    void setOrientation(PageOrientation) override {}
    void tab(int column) override;
    void write(std::string_view text) override;
    // Cut to the characters before the limit's column; a page of text has no right edge.
    void writeUpTo(std::string_view text, int limit) override;
    void endLine() override;
    void endDocument() override;

    // The finished text; what is still on an unended line once the document ends is kept.
    [[nodiscard]] const std::string& text() const { return text_; }
    [[nodiscard]] bool ended() const { return ended_; }

  private:
    std::string text_;
    std::string line_;
    int column_ = 1;  // where the next character goes
    bool ended_ = false;
};

}  // namespace corvanta
