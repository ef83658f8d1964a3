// The numeric conversions of typed text, and the display formats of what they give.
#include <cmath>
#include <cstdlib>

#include "base/core/money.h"
#include "base/core/numeric_text.h"
#include "fuzz_support.h"

using namespace corvanta;

namespace {

void formatAll(double value) {
    if (!std::isfinite(value)) return;
    (void)shortestText(value);
    if (std::fabs(value) <= 3.4e38) (void)shortestText(static_cast<float>(value));
    // Amounts beyond the money range are refused with MoneyOverflow by design.
    try {
        for (const char* pattern : {"#,###.00", "$#,###.00", "#####.00", "###.00", "000000.00"}) {
            (void)formatPattern(value, pattern);
        }
        (void)Currency::fromDouble(value);
    } catch (const MoneyOverflow&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::asText(data, size);
    formatAll(numericValue(text));
    const auto strict = strictNumber(text);
    if (strict) formatAll(*strict);
    const auto single = strictSingle(text);
    if (single && !std::isfinite(*single)) std::abort();
    const auto integer = strictInteger(text);
    if (integer && (*integer < -32768 || *integer > 32767)) std::abort();
    if (integer && !strict) std::abort();  // a whole number is a number
    return 0;
}
