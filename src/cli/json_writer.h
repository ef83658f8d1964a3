#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace corvanta {

// Builds one JSON object with nested arrays and objects, keys in the order written. Numbers
// are written as the shortest text that reads back as the amount, as the window shows it.
// NOLINTNEXTLINE(bugprone-exception-escape): only allocation can fail, and that ends the command.
class JsonWriter {
  public:
    JsonWriter& beginObject(std::string_view key = {});
    JsonWriter& endObject();
    JsonWriter& beginArray(std::string_view key);
    JsonWriter& endArray();
    JsonWriter& number(std::string_view key, double value);
    JsonWriter& number(std::string_view key, float value);
    JsonWriter& text(std::string_view key, std::string_view value);
    JsonWriter& text(std::string_view value);  // inside an array

    [[nodiscard]] std::string str() const;

  private:
    nlohmann::ordered_json& add(std::string_view key, nlohmann::ordered_json value);

    nlohmann::ordered_json root_;
    std::vector<nlohmann::ordered_json*> open_;
};

// A text as a JSON string, quotes included.
std::string jsonQuote(std::string_view text);

// An amount as a JSON number: whole amounts as integers, others as the double that the
// amount's shortest text denotes, so 24.8f is written 24.8.
nlohmann::ordered_json jsonAmount(double shortestValue, const std::string& shortest);

}  // namespace corvanta
