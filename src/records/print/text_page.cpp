#include "records/print/text_page.h"

#include <algorithm>

namespace corvanta {
namespace {

// Characters, not bytes, so a name with an accent does not push the columns after it.
int displayWidth(std::string_view text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace

void TextPage::tab(int column) {
    const int target = std::max(column, 1);
    if (column_ > target) endLine();
    line_.append(static_cast<std::size_t>(target - column_), ' ');
    column_ = target;
}

void TextPage::write(std::string_view text) {
    line_.append(text);
    column_ += displayWidth(text);
}

void TextPage::writeUpTo(std::string_view text, int limit) {
    if (limit <= 0 || displayWidth(text) <= limit - column_) {
        write(text);
        return;
    }
    // Whole characters only: a cut never splits one of several bytes.
    std::size_t end = 0;
    for (int kept = 0; end < text.size(); ++end) {
        if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80 && kept++ == limit - column_) {
            break;
        }
    }
    write(text.substr(0, end));
}

void TextPage::endLine() {
    const auto last = line_.find_last_not_of(' ');
    text_.append(line_, 0, last == std::string::npos ? 0 : last + 1);
    text_ += '\n';
    line_.clear();
    column_ = 1;
}

void TextPage::endDocument() {
    if (!line_.empty()) endLine();
    ended_ = true;
}

}  // namespace corvanta
