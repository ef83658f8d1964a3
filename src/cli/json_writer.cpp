#include "cli/json_writer.h"

#include <cstdio>

#include "core/money.h"

namespace corvanta {

std::string jsonQuote(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

void JsonWriter::comma() {
    if (!first_) out_ += ',';
    first_ = false;
}

void JsonWriter::key(std::string_view k) {
    comma();
    if (!k.empty()) out_ += jsonQuote(k) + ':';
}

JsonWriter& JsonWriter::beginObject(std::string_view k) {
    if (!out_.empty()) key(k);
    out_ += '{';
    first_ = true;
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    out_ += '}';
    first_ = false;
    return *this;
}

JsonWriter& JsonWriter::beginArray(std::string_view k) {
    key(k);
    out_ += '[';
    first_ = true;
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    out_ += ']';
    first_ = false;
    return *this;
}

JsonWriter& JsonWriter::number(std::string_view k, double value) {
    key(k);
    out_ += shortestText(value);
    return *this;
}

JsonWriter& JsonWriter::number(std::string_view k, float value) {
    key(k);
    out_ += shortestText(value);
    return *this;
}

JsonWriter& JsonWriter::text(std::string_view k, std::string_view value) {
    key(k);
    out_ += jsonQuote(value);
    return *this;
}

JsonWriter& JsonWriter::text(std::string_view value) {
    comma();
    out_ += jsonQuote(value);
    return *this;
}

}  // namespace corvanta
