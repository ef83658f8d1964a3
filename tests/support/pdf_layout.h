#pragma once

// PDFs as a reader sees them: pages, words and their boxes (pdftotext -bbox), and the
// Qt printer's PDF to hold a printout against.
#include <QByteArray>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "qtprint/pdf_output.h"
#include "qtprint/qt_page_printer.h"
#include "support/pdf_text.h"

namespace corvanta::testing {

// What a command prints on its standard output and error, and whether it succeeded.
struct CommandOutput {
    bool ok = false;
    std::string text;
};

inline CommandOutput runCommand(const std::string& command) {
    CommandOutput out;
    FILE* const pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return out;
    std::array<char, 4096> chunk{};
    while (const std::size_t n = std::fread(chunk.data(), 1, chunk.size(), pipe)) {
        out.text.append(chunk.data(), n);
    }
    out.ok = ::pclose(pipe) == 0;
    return out;
}

inline void writeBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

inline std::string asText(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// A word as pdftotext -bbox finds it: its page, text and box in points.
struct Word {
    int page = 0;
    std::string text;
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
};

struct Sheet {
    double width = 0;
    double height = 0;
};

struct PdfLayout {
    std::vector<Sheet> pages;
    std::vector<Word> words;
};

inline PdfLayout layoutOf(const std::filesystem::path& pdf) {
    const std::string html = pdfText(pdf, "-bbox");
    static const std::regex item(
        R"re(<page width="([0-9.]+)" height="([0-9.]+)">|<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    PdfLayout layout;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), item);
         it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        if (m[1].matched) {
            layout.pages.push_back({std::stod(m[1]), std::stod(m[2])});
        } else {
            layout.words.push_back({static_cast<int>(layout.pages.size()), m[7], std::stod(m[3]),
                                    std::stod(m[4]), std::stod(m[5]), std::stod(m[6])});
        }
    }
    return layout;
}

// The Qt printer's PDF of the printout, as every PDF was made before.
inline std::string qtPdf(const PrintProducer& produce) {
    return asText(letterPdf(
        [&](QPagedPaintDevice& device) {
            QtPagePrinter page(device);
            produce(page);
        },
        1200));
}

// Fonts embedded: the Qt printer's PDF; the standard fonts name themselves.
inline bool embedsFont(const std::string& pdf) {
    return pdf.find("/FontFile2") != std::string::npos;
}
inline bool usesStandardFont(const std::string& pdf) {
    return pdf.find("/BaseFont /Helvetica") != std::string::npos ||
           pdf.find("/BaseFont /Courier") != std::string::npos;
}

}  // namespace corvanta::testing
