#pragma once

#include <string>
#include <string_view>

namespace corvanta {

// A small writer for one flat JSON object with nested arrays and objects.
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

    [[nodiscard]] const std::string& str() const { return out_; }

  private:
    void key(std::string_view k);
    void comma();
    std::string out_;
    bool first_ = true;
};

std::string jsonQuote(std::string_view text);

}  // namespace corvanta
