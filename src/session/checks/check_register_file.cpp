#include "session/checks/check_register_file.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <utility>

#include "base/files/file_io.h"
#include "base/files/record_format.h"
#include "records/company/company.h"

namespace corvanta {
namespace {

constexpr std::array<std::pair<CheckState, const char*>, 3> kStateNames{{
    {CheckState::Issued, "issued"},
    {CheckState::Reprint, "reprint"},
    {CheckState::Void, "void"},
}};

std::string lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// A double quote cannot be stored in a quoted field, so it is kept as a single quote.
std::string storable(std::string text) {
    std::replace(text.begin(), text.end(), '"', '\'');
    return text;
}

std::int64_t readCheckNumber(RecordReader& in) {
    const double value = in.readDouble();
    if (value < 1 || value > static_cast<double>(kLargestCheckNumber) ||
        value != std::floor(value)) {
        in.refuseLast("a check number is a whole number from 1 to " +
                      std::to_string(kLargestCheckNumber));
    }
    return static_cast<std::int64_t>(value);
}

IssuedCheck readCheck(RecordReader& in) {
    const int line = in.nextLine();
    // Each check is a line of its own: a value taken from the next line would shift the rest.
    int taken = 0;
    const auto onLine = [&] {
        if (in.nextLine() != line) {
            in.refuseLast("the line ends after " + std::to_string(taken) +
                          " of a check's seven values");
        }
        ++taken;
    };
    IssuedCheck check;
    onLine();
    check.number = readCheckNumber(in);
    onLine();
    check.date = in.readText();
    onLine();
    check.employee = in.readText();
    onLine();
    check.payee = in.readText();
    onLine();
    const double amount = in.readDouble();
    if (std::fabs(amount) > 1e12) in.refuseLast("the amount is too large");
    check.cents = std::llround(amount * 100);
    onLine();
    check.week = in.readText();
    onLine();
    check.state = parseCheckState(in.readTextOf("issued, reprint or void", isCheckStateName));
    if (in.nextLine() == line) {
        in.readRaw();
        in.refuseLast("a check has seven values; this one follows them");
    }
    return check;
}

}  // namespace

const IssuedCheck* CheckRegister::find(std::int64_t number) const {
    const auto it = std::find_if(checks.begin(), checks.end(),
                                 [number](const IssuedCheck& c) { return c.number == number; });
    return it == checks.end() ? nullptr : &*it;
}

std::string checkStateName(CheckState state) {
    for (const auto& [s, name] : kStateNames) {
        if (s == state) return name;
    }
    return "issued";
}

bool isCheckStateName(std::string_view text) {
    const std::string t = lowered(text);
    return std::any_of(kStateNames.begin(), kStateNames.end(),
                       [&](const auto& entry) { return t == entry.second; });
}

CheckState parseCheckState(std::string_view text) {
    const std::string t = lowered(text);
    for (const auto& [s, name] : kStateNames) {
        if (t == name) return s;
    }
    return CheckState::Issued;
}

std::string centsText(std::int64_t cents) {
    const bool negative = cents < 0;
    const std::int64_t whole = (negative ? -cents : cents) / 100;
    const std::int64_t part = (negative ? -cents : cents) % 100;
    return (negative ? "-" : "") + std::to_string(whole) + (part < 10 ? ".0" : ".") +
           std::to_string(part);
}

std::string formatCheckRegister(const CheckRegister& reg) {
    RecordWriter out;
    out.dbl(static_cast<double>(reg.next)).endLine();
    for (const IssuedCheck& c : reg.checks) {
        out.dbl(static_cast<double>(c.number)).text(storable(c.date)).text(storable(c.employee));
        out.text(storable(c.payee)).dbl(static_cast<double>(c.cents) / 100);
        out.text(storable(c.week)).text(checkStateName(c.state)).endLine();
    }
    return out.content();
}

CheckRegister parseCheckRegister(std::string_view content, const std::string& fileName) {
    RecordReader in(content, fileName);
    CheckRegister reg;
    reg.next = readCheckNumber(in);
    std::set<std::int64_t> numbers;
    while (in.nextLine() != 0) {
        IssuedCheck check = readCheck(in);
        if (!numbers.insert(check.number).second) {
            throw RecordFormatError(fileName, in.lastLine(), 1,
                                    "check " + std::to_string(check.number) + " is listed twice");
        }
        reg.checks.push_back(std::move(check));
    }
    return reg;
}

CheckRegister readCheckRegister(const std::filesystem::path& folder) {
    const auto content = readFileIfExists(folder / kCheckRegisterFile);
    if (!content) return {};
    return parseCheckRegister(*content, kCheckRegisterFile);
}

}  // namespace corvanta
