#include "qtprint/pdf_objects.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace corvanta {

// The comment of high bytes tells file transfers that the file is binary.
PdfObjectWriter::PdfObjectWriter() : bytes_("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n") {}

int PdfObjectWriter::reserve() {
    offsets_.push_back(0);
    return static_cast<int>(offsets_.size());
}

void PdfObjectWriter::begin(int number) {
    if (number < 1 || number > static_cast<int>(offsets_.size()) || offsets_[number - 1] != 0) {
        throw std::logic_error("PDF object written twice or never reserved");
    }
    offsets_[number - 1] = bytes_.size();
    bytes_ += std::to_string(number);
    bytes_ += " 0 obj\n";
}

void PdfObjectWriter::write(int number, std::string_view body) {
    begin(number);
    bytes_ += body;
    bytes_ += "\nendobj\n";
}

void PdfObjectWriter::writeStream(int number, std::string_view data, std::string_view entries) {
    begin(number);
    bytes_ += "<< /Length ";
    bytes_ += std::to_string(data.size());
    bytes_ += entries;
    bytes_ += " >>\nstream\n";
    bytes_ += data;
    bytes_ += "\nendstream\nendobj\n";
}

std::string PdfObjectWriter::finish(int catalog, int info) {
    const std::size_t xref = bytes_.size();
    bytes_ += "xref\n0 ";
    bytes_ += std::to_string(offsets_.size() + 1);
    bytes_ += "\n0000000000 65535 f \n";
    std::array<char, 32> entry{};
    for (const std::size_t offset : offsets_) {
        if (offset == 0) throw std::logic_error("PDF object reserved but never written");
        // Each entry is exactly 20 bytes: ten digits, the generation, "n", blank and newline.
        const int n = std::snprintf(entry.data(), entry.size(), "%010zu 00000 n \n", offset);
        bytes_.append(entry.data(), static_cast<std::size_t>(n));
    }
    bytes_ += "trailer\n<< /Size ";
    bytes_ += std::to_string(offsets_.size() + 1);
    bytes_ += " /Root ";
    bytes_ += std::to_string(catalog);
    bytes_ += " 0 R /Info ";
    bytes_ += std::to_string(info);
    bytes_ += " 0 R >>\nstartxref\n";
    bytes_ += std::to_string(xref);
    bytes_ += "\n%%EOF\n";
    return std::move(bytes_);
}

void appendPdfNumber(std::string& out, double value) {
    // Rounded to four decimals first, so that -0.00001 does not print as "-0".
    double rounded = std::round(value * 10000) / 10000;
    if (rounded == 0) rounded = 0;
    std::array<char, 32> text{};
    auto [end, error] =
        std::to_chars(text.data(), text.data() + text.size(), rounded, std::chars_format::fixed, 4);
    if (error != std::errc()) throw std::logic_error("a number too large for a PDF page");
    char* last = end;
    while (last[-1] == '0') --last;
    if (last[-1] == '.') --last;
    out.append(text.data(), last);
}

void appendPdfString(std::string& out, std::string_view bytes) {
    out += '(';
    for (const char c : bytes) {
        if (c == '(' || c == ')' || c == '\\') out += '\\';
        out += c;
    }
    out += ')';
}

}  // namespace corvanta
