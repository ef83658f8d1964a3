#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/core/user_error.h"

namespace corvanta {

// One field as it stood in a file, kept verbatim so reserved fields survive a rewrite.
struct RawField {
    std::string text;  // without quotes
    bool quoted = false;
    friend bool operator==(const RawField&, const RawField&) = default;
};

// A file whose content does not match its layout. The message names the file and the place.
class RecordFormatError : public FileError {
  public:
    RecordFormatError(const std::string& fileName, int line, int field, const std::string& what);
    [[nodiscard]] int line() const { return line_; }
    [[nodiscard]] int field() const { return field_; }

  private:
    int line_;
    int field_;
};

// Reads the comma-separated record format field by field; a line end counts as a comma.
// Each read throws RecordFormatError when the field is missing or of the wrong kind.
class RecordReader {
  public:
    RecordReader(std::string_view content, std::string fileName);

    float readSingle();
    double readDouble();
    int readInteger();  // 16-bit; "#TRUE#" reads as -1
    int readFlag();     // "#TRUE#" -> -1, "#FALSE#" -> 0, or a number
    std::string readText();
    // A text that must be one of a few: anything `accepted` refuses is an error naming the
    // file, line and text, saying it is not `expected`.
    std::string readTextOf(const char* expected, bool (*accepted)(std::string_view));
    RawField readRaw();
    // Throws RecordFormatError at the first value left unread; blank lines are nothing.
    void expectEnd() const;

    // The line of the next value to read (0 at the end) and of the value read last (0 before
    // the first), for files whose lines are records of their own.
    [[nodiscard]] int nextLine() const { return atEnd() ? 0 : fields_[next_].line; }
    [[nodiscard]] int lastLine() const { return next_ == 0 ? 0 : fields_[next_ - 1].line; }
    // Throws RecordFormatError at the value read last: it was read but cannot be taken.
    [[noreturn]] void refuseLast(const std::string& what) const;

    [[nodiscard]] bool atEnd() const { return next_ >= fields_.size(); }
    [[nodiscard]] int fieldsRead() const { return static_cast<int>(next_); }
    [[nodiscard]] const std::string& fileName() const { return fileName_; }

  private:
    struct Field {
        RawField raw;
        int line = 0;
        int column = 0;
    };
    const Field& take(const char* expected);
    double number(const Field& f, const char* expected) const;
    [[noreturn]] void fail(const Field& f, const std::string& what) const;

    std::vector<Field> fields_;
    std::size_t next_ = 0;
    std::string fileName_;
};

// Writes records: CR LF line ends, quoted texts, numbers without a leading zero.
class RecordWriter {
  public:
    RecordWriter& single(float value);
    RecordWriter& dbl(double value);
    RecordWriter& integer(long value);
    RecordWriter& boolean(bool value);
    RecordWriter& text(std::string_view value);
    RecordWriter& raw(const RawField& value);
    RecordWriter& endLine();

    [[nodiscard]] const std::string& content() const { return out_; }

  private:
    void separate();
    std::string out_;
    bool lineStart_ = true;
};

// A text holding a character the single-byte files cannot hold. The message names the field
// and the character; nothing is stored in its place.
class UnstorableTextError : public UserError {
  public:
    UnstorableTextError(const std::string& field, const std::string& character);
    [[nodiscard]] const std::string& character() const { return character_; }

  private:
    std::string character_;
};

// Text in the files is single-byte (Latin-1); in memory it is UTF-8.
std::string latin1ToUtf8(std::string_view bytes);
// Throws UnstorableTextError (field "a text") for a character beyond Latin-1.
std::string utf8ToLatin1(std::string_view text);

// The first character of a UTF-8 text that the files cannot hold (a character beyond
// Latin-1, or a byte that is not UTF-8), or nothing when the whole text can be stored.
std::optional<std::string> unstorableCharacter(std::string_view text);

// Refuses a typed text the files cannot hold, naming the field ("Employee Name").
void requireStorableText(const std::string& field, std::string_view text);

// The number forms of the files: at most 7 (float) or 15 (double) significant digits,
// no leading zero before the point (".5", "-.25").
std::string fileNumber(float value);
std::string fileNumber(double value);

}  // namespace corvanta
