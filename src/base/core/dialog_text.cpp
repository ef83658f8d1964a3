#include "base/core/dialog_text.h"

#include "base/core/money.h"
#include "base/core/numeric_text.h"
#include "base/core/user_error.h"

namespace corvanta {

float boxNumber(const std::string& text, const char* message) {
    const auto v = strictSingle(text);
    if (!v) throw UserError(message);
    return *v;
}

void fillBlank(std::string& box, float value) {
    if (box.empty()) box = shortestText(value);
}

}  // namespace corvanta
