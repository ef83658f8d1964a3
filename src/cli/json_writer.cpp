#include "cli/json_writer.h"

#include <cmath>
#include <cstdlib>

#include "base/core/money.h"

namespace corvanta {
namespace {

template <typename T>
nlohmann::ordered_json amountOf(T value) {
    const std::string shortest = shortestText(value);
    return jsonAmount(std::strtod(shortest.c_str(), nullptr), shortest);
}

}  // namespace

std::string jsonQuote(std::string_view text) {
    return nlohmann::ordered_json(std::string(text))
        .dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

nlohmann::ordered_json jsonAmount(double shortestValue, const std::string& shortest) {
    constexpr double kLargestWhole = 9.0e15;  // every whole number below is exact as a double
    if (std::isfinite(shortestValue) && std::fabs(shortestValue) < kLargestWhole &&
        shortest.find_first_of(".eE") == std::string::npos) {
        return static_cast<std::int64_t>(shortestValue);
    }
    return shortestValue;
}

nlohmann::ordered_json& JsonWriter::add(std::string_view key, nlohmann::ordered_json value) {
    nlohmann::ordered_json& into = *open_.back();
    if (into.is_array()) {
        into.push_back(std::move(value));
        return into.back();
    }
    nlohmann::ordered_json& slot = into[std::string(key)];
    slot = std::move(value);
    return slot;
}

JsonWriter& JsonWriter::beginObject(std::string_view key) {
    if (open_.empty()) {
        root_ = nlohmann::ordered_json::object();
        open_.push_back(&root_);
    } else {
        open_.push_back(&add(key, nlohmann::ordered_json::object()));
    }
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    open_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::beginArray(std::string_view key) {
    open_.push_back(&add(key, nlohmann::ordered_json::array()));
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    open_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::number(std::string_view key, double value) {
    add(key, amountOf(value));
    return *this;
}

JsonWriter& JsonWriter::number(std::string_view key, float value) {
    add(key, amountOf(value));
    return *this;
}

JsonWriter& JsonWriter::text(std::string_view key, std::string_view value) {
    add(key, std::string(value));
    return *this;
}

JsonWriter& JsonWriter::text(std::string_view value) {
    add({}, std::string(value));
    return *this;
}

std::string JsonWriter::str() const {
    // Texts are stored as Latin-1; a byte that is not UTF-8 is shown as the replacement mark
    // rather than ending the command.
    return root_.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace corvanta
