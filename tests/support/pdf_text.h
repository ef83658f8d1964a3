#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace corvanta::testing {

inline bool havePdfToText() { return std::system("command -v pdftotext >/dev/null 2>&1") == 0; }

// The text of a PDF as pdftotext gives it ("-layout" keeps the columns); empty when it failed.
inline std::string pdfText(const std::filesystem::path& pdf, const std::string& options = "") {
    const auto out = pdf.parent_path() / (pdf.stem().string() + ".pdftext");
    const std::string command =
        "pdftotext " + options + " '" + pdf.string() + "' '" + out.string() + "'";
    if (std::system(command.c_str()) != 0) return {};
    std::ifstream in(out, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The words of a line with the blanks between them squeezed, for comparing layouts that
// place the same words at slightly different distances.
inline std::string squeezed(const std::string& line) {
    std::istringstream in(line);
    std::string word, out;
    while (in >> word) out += (out.empty() ? "" : " ") + word;
    return out;
}

// The non-blank lines of a text, squeezed.
inline std::vector<std::string> squeezedLines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!squeezed(line).empty()) out.push_back(squeezed(line));
    }
    return out;
}

// The first line of a text rendering that the PDF's lines do not carry in the same order
// (a PDF line may hold more); empty when all are there. Rules run past the paper's edge and
// are cut, so lines of "-" are not compared.
inline std::string firstLineMissingFromPdf(const std::string& rendering,
                                           const std::string& pdfLayoutText) {
    const std::vector<std::string> pdfLines = squeezedLines(pdfLayoutText);
    std::size_t at = 0;
    for (const std::string& want : squeezedLines(rendering)) {
        if (want.front() == '-') continue;
        while (at < pdfLines.size() && pdfLines[at].find(want) == std::string::npos) ++at;
        if (at == pdfLines.size()) return want;
    }
    return {};
}

}  // namespace corvanta::testing
