#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvanta {

// A filing status, federal or state: the two the lists offer.
enum class FilingStatus { Single, Married };

// "Single" or "Married", as the files and the lists spell it.
inline const char* filingStatusText(FilingStatus status) {
    return status == FilingStatus::Single ? "Single" : "Married";
}

// The status a file's or a list's text names; nothing for any other text.
inline std::optional<FilingStatus> filingStatusNamed(std::string_view text) {
    if (text == "Single") return FilingStatus::Single;
    if (text == "Married") return FilingStatus::Married;
    return std::nullopt;
}

}  // namespace corvanta
