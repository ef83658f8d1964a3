#pragma once

#include <string>
#include <vector>

#include "records/print/print_column_model.h"

namespace corvanta {

// Keeps a printout's operations so that it can be played onto a real printer later. A
// producer that fails part way then fails here, before any page reaches the printer.
class RecordedDocument : public PrintColumnModel {
  public:
    void setFontName(std::string_view name) override;
    void setFontSize(double points) override;
    void setOrientation(PageOrientation orientation) override;
    void tab(int column) override;
    void write(std::string_view text) override;
    void writeUpTo(std::string_view text, int limit) override;
    void endLine() override;
    void endDocument() override;

    // Plays every operation onto the back end, in the order they came.
    void replay(PrintColumnModel& out) const;
    [[nodiscard]] bool ended() const { return ended_; }

  private:
    enum class Op { FontName, FontSize, Orientation, Tab, Write, WriteUpTo, EndLine, EndDocument };
    struct Step {
        Op op;
        double number = 0;
        std::string text;
    };
    std::vector<Step> steps_;
    bool ended_ = false;
};

}  // namespace corvanta
