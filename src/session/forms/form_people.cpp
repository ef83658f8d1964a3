#include "session/forms/form_people.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <sstream>
#include <vector>

namespace corvanta {
namespace {

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::string upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

bool isSuffix(const std::string& word) {
    static const std::array<const char*, 7> suffixes{"JR", "SR", "II", "III", "IV", "V", "ESQ"};
    std::string w = upper(word);
    w.erase(std::remove(w.begin(), w.end(), '.'), w.end());
    return std::find_if(suffixes.begin(), suffixes.end(), [&w](const char* s) { return w == s; }) !=
           suffixes.end();
}

bool allDigits(const std::string& s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

// The employee dialog's texts of a new employee are prompts, not values.
std::string typed(const std::string& value, const std::string& placeholder) {
    const std::string t = trimmed(value);
    return t == placeholder ? std::string() : t;
}

}  // namespace

PersonName splitPersonName(const std::string& name) {
    std::istringstream in(name);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    PersonName p;
    if (words.size() > 1 && isSuffix(words.back())) {
        p.suffix = upper(words.back());
        p.suffix.erase(std::remove(p.suffix.begin(), p.suffix.end(), '.'), p.suffix.end());
        words.pop_back();
    }
    if (words.empty()) return p;
    p.last = words.back();
    words.pop_back();
    if (words.empty()) return p;
    p.first = words.front();
    for (std::size_t i = 1; i < words.size(); ++i) p.middle += (i > 1 ? " " : "") + words[i];
    return p;
}

std::optional<CityLine> splitCityLine(const std::string& text) {
    std::string t = trimmed(text);
    // From the right: the ZIP code, then the two-letter state, then the city.
    const auto lastBlank = t.find_last_of(' ');
    if (lastBlank == std::string::npos) return std::nullopt;
    CityLine line;
    const std::string zip = t.substr(lastBlank + 1);
    const std::string zip5 = zip.substr(0, 5);
    if (zip5.size() != 5 || !allDigits(zip5)) return std::nullopt;
    line.zip = zip5;
    if (zip.size() > 5) {
        const std::string ext = zip.substr(zip[5] == '-' ? 6 : 5);
        if (ext.size() != 4 || !allDigits(ext)) return std::nullopt;
        line.zipExtension = ext;
    }
    t = trimmed(t.substr(0, lastBlank));
    if (t.size() < 2) return std::nullopt;
    line.state = upper(t.substr(t.size() - 2));
    if (!std::isalpha(static_cast<unsigned char>(line.state[0])) ||
        !std::isalpha(static_cast<unsigned char>(line.state[1]))) {
        return std::nullopt;
    }
    t = trimmed(t.substr(0, t.size() - 2));
    if (!t.empty() && t.back() == ',') t.pop_back();
    line.city = trimmed(t);
    if (line.city.empty()) return std::nullopt;
    return line;
}

std::string digitsOf(const std::string& text) {
    std::string d;
    for (const char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c)) != 0) d += c;
    }
    return d;
}

bool isSocialSecurityNumber(const std::string& digits) {
    if (digits.size() != 9 || !allDigits(digits)) return false;
    const std::string area = digits.substr(0, 3);
    if (area == "000" || area == "666" || area[0] == '9') return false;
    return digits.substr(3, 2) != "00" && digits.substr(5, 4) != "0000";
}

std::string shownSsn(const std::string& text) {
    const std::string d = digitsOf(text);
    if (d.size() != 9) return text;
    return d.substr(0, 3) + "-" + d.substr(3, 2) + "-" + d.substr(5);
}

FormPerson formPerson(const EmployeeProfile& profile) {
    const EmployeeProfile blank;
    return {typed(profile.EmployeeName, blank.EmployeeName),
            typed(profile.EmployeeAddress, blank.EmployeeAddress),
            typed(profile.EmployeeCityStateZip, blank.EmployeeCityStateZip),
            typed(profile.EmployeeSsn, blank.EmployeeSsn)};
}

}  // namespace corvanta
