#include "session/files/period_snapshot.h"

#include <array>
#include <cmath>
#include <limits>
#include <optional>

#include "base/core/money.h"
#include "base/core/numeric_text.h"
#include "base/files/file_access.h"
#include "base/files/file_io.h"
#include "base/files/record_format.h"
#include "session/core/calculate.h"
#include "session/files/employee_hold.h"

namespace corvanta {
namespace {

constexpr std::size_t kDateChars = 8;
constexpr std::size_t kDateBoxLength = 10;
constexpr std::string_view kNotInFileNames = "\\:*?\"<>|";

using Amounts = std::array<float, kEntryBoxes>;

bool blank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

char safeNameChar(char c) {
    if (c == '/') return '_';
    const bool control = static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
    return control || kNotInFileNames.find(c) != std::string_view::npos ? '-' : c;
}

Amounts checkedAmounts(const CalculatorWindow& w) {
    Amounts amounts{};
    for (int k = 0; k < kEntryBoxes; ++k) {
        const auto value = entryValue(w.txtAmount[k]);
        if (!value || std::fabs(*value) > static_cast<double>(std::numeric_limits<float>::max())) {
            throw UserError("The entry \"" + w.txtAmount[k] + "\" in " + kEntryCaptions[k] +
                                " is not a number.\r\nThe pay period was not saved.",
                            "Save This Pay Period");
        }
        amounts[k] = static_cast<float>(*value);
    }
    return amounts;
}

Amounts parseSnapshot(std::string_view content, const std::string& fileName) {
    RecordReader in(content, fileName);
    Amounts amounts{};
    for (float& a : amounts) a = in.readSingle();
    return amounts;
}

}  // namespace

std::string periodSnapshotName(std::string_view dateText, const std::string& baseName) {
    std::string name;
    for (const char c : dateText) name += safeNameChar(c);
    return name + "  " + baseName + ".prv";
}

std::filesystem::path SavePeriodSnapshot(PayrollContext& ctx) {
    CalculatorWindow& w = ctx.window;
    const Amounts amounts = checkedAmounts(w);
    for (std::string& box : w.txtAmount) {
        if (blank(box)) box = "0";
    }
    RecordWriter out;
    for (const float a : amounts) out.single(a).endLine();
    auto path = ctx.folder / periodSnapshotName(w.txtWeek, ctx.UserFileBase);
    claimForWriting(ctx);
    writeFileAtomically(path, out.content(), ctx.durableWrites);
    return path;
}

void LoadPeriodSnapshot(PayrollContext& ctx, const std::filesystem::path& chosen) {
    const std::string name = chosen.filename().string();
    // A period kept elsewhere is read from there; the employee stays in her folder.
    const auto path = chosen.has_parent_path() ? chosen : ctx.folder / name;
    if (readableFileExists(path)) {
        const auto content = readFileIfExists(path);
        if (content) {
            const Amounts amounts = parseSnapshot(*content, name);
            for (int k = 0; k < kEntryBoxes; ++k)
                ctx.window.txtAmount[k] = shortestText(amounts[k]);
        }
    }
    if (name.size() < kDateChars) return;
    std::string date = name.substr(0, kDateBoxLength);
    for (std::size_t i = 0; i < kDateChars; ++i) {
        if (date[i] == '_') date[i] = '/';
    }
    ctx.window.txtWeek = date;
    Calcu_late(ctx);
}

}  // namespace corvanta
