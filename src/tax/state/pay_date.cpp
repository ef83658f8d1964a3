#include "tax/state/pay_date.h"

#include <charconv>

namespace corvanta {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// One part of the date, when it is all digits and of an allowed length.
std::optional<unsigned> datePart(std::string_view part, std::size_t minDigits,
                                 std::size_t maxDigits) {
    if (part.size() < minDigits || part.size() > maxDigits) return std::nullopt;
    unsigned value = 0;
    const char* end = part.data() + part.size();
    const auto [stop, error] = std::from_chars(part.data(), end, value);
    if (error != std::errc{} || stop != end) return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::chrono::year_month_day> readPayDate(std::string_view text) {
    text = trimmed(text);
    const auto first = text.find('/');
    if (first == std::string_view::npos) return std::nullopt;
    const auto second = text.find('/', first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    const auto month = datePart(text.substr(0, first), 1, 2);
    const auto day = datePart(text.substr(first + 1, second - first - 1), 1, 2);
    const auto year = datePart(text.substr(second + 1), 4, 4);
    if (!month || !day || !year) return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{static_cast<int>(*year)},
                                           std::chrono::month{*month}, std::chrono::day{*day}};
    if (!date.ok()) return std::nullopt;
    return date;
}

}  // namespace corvanta
