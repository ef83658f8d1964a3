#include "base/files/record_format.h"

#include <cmath>

#include "base/core/money.h"
#include "base/core/numeric_text.h"

namespace corvanta {

RecordFormatError::RecordFormatError(const std::string& fileName, int line, int field,
                                     const std::string& what)
    : FileError("The file \"" + fileName + "\" is damaged: line " + std::to_string(line) +
                    ", value " + std::to_string(field) + ": " + what + ".",
                fileName),
      line_(line),
      field_(field) {}

RecordReader::RecordReader(std::string_view content, std::string fileName)
    : fileName_(std::move(fileName)) {
    int line = 1;
    std::size_t i = 0;
    while (i < content.size()) {
        int column = 1;
        for (;;) {
            while (i < content.size() && (content[i] == ' ' || content[i] == '\t')) ++i;
            Field f;
            f.line = line;
            f.column = column++;
            if (i < content.size() && content[i] == '"') {
                f.raw.quoted = true;
                const std::size_t close = content.find('"', i + 1);
                const std::size_t stop = close == std::string_view::npos ? content.size() : close;
                const std::string_view body = content.substr(i + 1, stop - i - 1);
                // A quote never closed runs to the line end at most.
                const std::size_t eol = body.find_first_of("\r\n");
                f.raw.text = latin1ToUtf8(body.substr(0, eol));
                i = eol == std::string_view::npos ? stop + 1 : i + 1 + eol;
                while (i < content.size() && content[i] != ',' && content[i] != '\r' &&
                       content[i] != '\n') {
                    ++i;
                }
            } else {
                const std::size_t start = i;
                while (i < content.size() && content[i] != ',' && content[i] != '\r' &&
                       content[i] != '\n') {
                    ++i;
                }
                std::string_view body = content.substr(start, i - start);
                while (!body.empty() && (body.back() == ' ' || body.back() == '\t')) {
                    body.remove_suffix(1);
                }
                f.raw.text = latin1ToUtf8(body);
            }
            fields_.push_back(std::move(f));
            if (i < content.size() && content[i] == ',') {
                ++i;
                continue;
            }
            break;
        }
        if (i < content.size() && content[i] == '\r') ++i;
        if (i < content.size() && content[i] == '\n') ++i;
        ++line;
    }
}

const RecordReader::Field& RecordReader::take(const char* expected) {
    if (next_ >= fields_.size()) {
        Field end;
        end.line = fields_.empty() ? 1 : fields_.back().line + 1;
        end.column = 1;
        fail(end, std::string("the file ends where ") + expected + " was expected");
    }
    return fields_[next_++];
}

void RecordReader::fail(const Field& f, const std::string& what) const {
    throw RecordFormatError(fileName_, f.line, f.column, what);
}

double RecordReader::number(const Field& f, const char* expected) const {
    const std::string& t = f.raw.text;
    if (!f.raw.quoted) {
        if (t.empty()) return 0.0;
        if (t == "#TRUE#") return -1.0;
        if (t == "#FALSE#") return 0.0;
    }
    // Quotes mark a text: a number written as one comes from something that is not a ledger
    // or settings writer, and the fields around it are likely shifted.
    if (f.raw.quoted) fail(f, "\"" + t + "\" is a text where a number belongs");
    const auto v = strictNumber(t);
    if (!v) fail(f, std::string("\"") + t + "\" is not " + expected);
    return *v;
}

float RecordReader::readSingle() {
    const Field& f = take("a number");
    const double v = number(f, "a number");
    if (std::fabs(v) > 3.402823466e38) fail(f, "the number is too large");
    return static_cast<float>(v);
}

double RecordReader::readDouble() {
    const Field& f = take("a number");
    return number(f, "a number");
}

int RecordReader::readInteger() {
    const Field& f = take("a whole number");
    const double v = number(f, "a whole number");
    if (std::fabs(v) > 32767.0) fail(f, "the number is too large");
    return static_cast<int>(std::nearbyint(v));
}

int RecordReader::readFlag() { return readInteger(); }

std::string RecordReader::readText() { return take("a text").raw.text; }

std::string RecordReader::readTextOf(const char* expected, bool (*accepted)(std::string_view)) {
    const Field& f = take(expected);
    if (!accepted(f.raw.text)) fail(f, "\"" + f.raw.text + "\" is not " + expected);
    return f.raw.text;
}

void RecordReader::refuseLast(const std::string& what) const {
    if (next_ == 0) {
        Field start;
        start.line = 1;
        start.column = 1;
        fail(start, what);
    }
    fail(fields_[next_ - 1], what);
}

RawField RecordReader::readRaw() { return take("a value").raw; }

void RecordReader::expectEnd() const {
    for (std::size_t i = next_; i < fields_.size(); ++i) {
        const Field& f = fields_[i];
        if (f.raw.quoted || !f.raw.text.empty()) {
            fail(f, "\"" + f.raw.text + "\" follows the end of the file's content");
        }
    }
}

void RecordWriter::separate() {
    if (!lineStart_) out_ += ',';
    lineStart_ = false;
}

RecordWriter& RecordWriter::single(float value) {
    separate();
    out_ += fileNumber(value);
    return *this;
}

RecordWriter& RecordWriter::dbl(double value) {
    separate();
    out_ += fileNumber(value);
    return *this;
}

RecordWriter& RecordWriter::integer(long value) {
    separate();
    out_ += std::to_string(value);
    return *this;
}

RecordWriter& RecordWriter::boolean(bool value) {
    separate();
    out_ += value ? "#TRUE#" : "#FALSE#";
    return *this;
}

RecordWriter& RecordWriter::text(std::string_view value) {
    separate();
    // A double quote would end the field early and shift every later field: store a single
    // quote instead. Line breaks would split the record, so they become blanks.
    std::string safe(value);
    for (char& c : safe) {
        if (c == '"') c = '\'';
        if (c == '\r' || c == '\n') c = ' ';
    }
    out_ += '"' + utf8ToLatin1(safe) + '"';
    return *this;
}

RecordWriter& RecordWriter::raw(const RawField& value) {
    if (value.quoted) return text(value.text);
    separate();
    std::string safe = utf8ToLatin1(value.text);
    for (char& c : safe) {
        if (c == ',' || c == '"' || c == '\r' || c == '\n') c = ' ';
    }
    out_ += safe;
    return *this;
}

RecordWriter& RecordWriter::endLine() {
    out_ += "\r\n";
    lineStart_ = true;
    return *this;
}

std::string latin1ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

namespace {

// The length of the UTF-8 character at the start of `text` and its code point, or nothing
// for bytes that are not UTF-8.
std::optional<std::pair<std::size_t, unsigned>> utf8Character(std::string_view text) {
    const auto c = static_cast<unsigned char>(text[0]);
    if (c < 0x80) return std::pair{std::size_t{1}, static_cast<unsigned>(c)};
    std::size_t len = 0;
    unsigned code = 0;
    if ((c & 0xE0) == 0xC0) {
        len = 2;
        code = c & 0x1Fu;
    } else if ((c & 0xF0) == 0xE0) {
        len = 3;
        code = c & 0x0Fu;
    } else if ((c & 0xF8) == 0xF0) {
        len = 4;
        code = c & 0x07u;
    } else {
        return std::nullopt;
    }
    if (text.size() < len) return std::nullopt;
    for (std::size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(text[k]);
        if ((b & 0xC0) != 0x80) return std::nullopt;
        code = (code << 6) | (b & 0x3Fu);
    }
    return std::pair{len, code};
}

}  // namespace

UnstorableTextError::UnstorableTextError(const std::string& field, const std::string& character)
    : UserError("The " + field + " holds the character \"" + character +
                "\", which the employee files cannot hold (they keep Western European "
                "letters only). Type it without that character."),
      character_(character) {}

std::optional<std::string> unstorableCharacter(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto ch = utf8Character(text.substr(i));
        if (!ch) {
            constexpr std::string_view kHex = "0123456789ABCDEF";
            const auto b = static_cast<unsigned char>(text[i]);
            return std::string("byte ") + kHex[b >> 4] + kHex[b & 0xF];
        }
        if (ch->second > 0xFF) return std::string(text.substr(i, ch->first));
        i += ch->first;
    }
    return std::nullopt;
}

void requireStorableText(const std::string& field, std::string_view text) {
    if (const auto character = unstorableCharacter(text)) {
        throw UnstorableTextError(field, *character);
    }
}

std::string utf8ToLatin1(std::string_view text) {
    requireStorableText("text", text);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto ch = utf8Character(text.substr(i));
        out += static_cast<char>(ch->second);
        i += ch->first;
    }
    return out;
}

// A box holding "1e999" reads as infinity; the file cannot hold that and the save must not
// fail over it, so it is stored as 0, what a box without a number reads as.
std::string fileNumber(float value) {
    return std::isfinite(value) ? shortestText(value, false) : "0";
}
std::string fileNumber(double value) {
    return std::isfinite(value) ? shortestText(value, false) : "0";
}

}  // namespace corvanta
