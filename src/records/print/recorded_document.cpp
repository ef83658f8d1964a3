#include "records/print/recorded_document.h"

namespace corvanta {

void RecordedDocument::setFontName(std::string_view name) {
    steps_.push_back({Op::FontName, 0, std::string(name)});
}

void RecordedDocument::setFontSize(double points) { steps_.push_back({Op::FontSize, points, {}}); }

void RecordedDocument::setOrientation(PageOrientation orientation) {
    steps_.push_back({Op::Orientation, orientation == PageOrientation::Landscape ? 1.0 : 0.0, {}});
}

void RecordedDocument::tab(int column) { steps_.push_back({Op::Tab, double(column), {}}); }

void RecordedDocument::write(std::string_view text) {
    steps_.push_back({Op::Write, 0, std::string(text)});
}

void RecordedDocument::writeUpTo(std::string_view text, int limit) {
    steps_.push_back({Op::WriteUpTo, double(limit), std::string(text)});
}

void RecordedDocument::endLine() { steps_.push_back({Op::EndLine, 0, {}}); }

void RecordedDocument::endDocument() {
    steps_.push_back({Op::EndDocument, 0, {}});
    ended_ = true;
}

void RecordedDocument::replay(PrintColumnModel& out) const {
    for (const Step& step : steps_) {
        switch (step.op) {
            case Op::FontName:
                out.setFontName(step.text);
                break;
            case Op::FontSize:
                out.setFontSize(step.number);
                break;
            case Op::Orientation:
                out.setOrientation(step.number != 0 ? PageOrientation::Landscape
                                                    : PageOrientation::Portrait);
                break;
            case Op::Tab:
                out.tab(static_cast<int>(step.number));
                break;
            case Op::Write:
                out.write(step.text);
                break;
            case Op::WriteUpTo:
                out.writeUpTo(step.text, static_cast<int>(step.number));
                break;
            case Op::EndLine:
                out.endLine();
                break;
            case Op::EndDocument:
                out.endDocument();
                break;
        }
    }
}

}  // namespace corvanta
