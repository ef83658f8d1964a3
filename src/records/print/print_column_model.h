#pragma once

#include <string_view>

namespace corvanta {

enum class PageOrientation { Portrait, Landscape };

// Every printout is lines of text placed at columns. Columns count from 1 at the left margin
// in units of the current font's average character width; a back end decides what that is.
class PrintColumnModel {
  public:
    virtual ~PrintColumnModel() = default;

    virtual void setFontName(std::string_view name) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setOrientation(PageOrientation orientation) = 0;
    // Moves to column n of this line, or of the next line when already past it. Columns below
    // 1 mean column 1.
    virtual void tab(int column) = 0;
    virtual void write(std::string_view text) = 0;
    // Writes the text cut where it would reach column `limit` of this line (the next field's
    // column), so a long field never runs into the next one or onto another line; a limit of
    // 0 is the right edge of the page. The default writes it whole.
    virtual void writeUpTo(std::string_view text, int /*limit*/) { write(text); }
    // The next output starts at column 1 of the next line; on an empty line, a blank line.
    virtual void endLine() = 0;
    // Sends the document. Throws UserError when it cannot be printed.
    virtual void endDocument() = 0;
};

}  // namespace corvanta
