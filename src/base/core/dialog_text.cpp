#include "core/dialog_text.h"

#include "core/money.h"
#include "core/numeric_text.h"
#include "core/user_error.h"

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
