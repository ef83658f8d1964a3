#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvanta {

// Writes a PDF file's frame: numbered objects in any order, then the cross-reference table
// and the trailer. Objects are numbered from 1 in the order they are reserved.
class PdfObjectWriter {
  public:
    PdfObjectWriter();

    // The number of an object to be written later (it may be referred to before).
    int reserve();
    // Writes a reserved object whose body is the given PDF value.
    void write(int number, std::string_view body);
    // Writes a reserved stream object; `entries` are further dictionary entries.
    void writeStream(int number, std::string_view data, std::string_view entries = {});
    // The whole file, with the catalog and the document information as given. Throws
    // std::logic_error when a reserved object was never written.
    [[nodiscard]] std::string finish(int catalog, int info);

  private:
    void begin(int number);

    std::string bytes_;
    std::vector<std::size_t> offsets_;  // of object n at n - 1; 0 until written
};

// A number as PDF writes it: at most four decimals, no exponent, no trailing zeros.
void appendPdfNumber(std::string& out, double value);

// Bytes as a PDF literal string, "(...)", with "(", ")" and "\" escaped.
void appendPdfString(std::string& out, std::string_view bytes);

}  // namespace corvanta
