#include "tax/local/non_city_table.h"

#include "base/core/dialog_text.h"
#include "base/core/money.h"
#include "base/core/user_error.h"
#include "base/files/record_format.h"
#include "tax/state/state_settings.h"

namespace corvanta {
namespace {

NonCityTable makeDefaults() {
    NonCityTable t;
    const std::array<NonCityRow, 5> bi{{{0, 0}, {145, 115}, {385, 77}, {769, 38}, {1154, 0}}};
    const std::array<NonCityRow, 5> wk{{{0, 0}, {78, 58}, {192, 38}, {385, 19}, {577, 0}}};
    for (int i = 0; i < kNonCityRows; ++i) {
        t.BiWeekly[i] = i < 5 ? bi[i] : NonCityRow{kUnusedMinRange, 0};
        t.Weekly[i] = i < 5 ? wk[i] : NonCityRow{kUnusedMinRange, 0};
    }
    t.NonCityRate = 0.0045f;
    return t;
}

float number(const std::string& text) { return boxNumber(text, kCheckNumbersMessage); }

}  // namespace

const NonCityTable& nonCityDefaults() {
    static const NonCityTable defaults = makeDefaults();
    return defaults;
}

void showNonCityTable(const NonCityTable& t, NonCityDialogModel& d) {
    for (int i = 0; i < kNonCityRows; ++i) {
        d.txtNonMinBi[i] = shortestText(t.BiWeekly[i].MinRange);
        d.txtNonExpBi[i] = shortestText(t.BiWeekly[i].Exemption);
        d.txtNonMinWk[i] = shortestText(t.Weekly[i].MinRange);
        d.txtNonExpWk[i] = shortestText(t.Weekly[i].Exemption);
    }
    d.txtNonPer = shortestText(t.NonCityRate);
}

void fillBlankNonCityBoxes(NonCityDialogModel& d) {
    const NonCityTable& t = nonCityDefaults();
    for (int i = 0; i < kNonCityRows; ++i) {
        fillBlank(d.txtNonMinBi[i], t.BiWeekly[i].MinRange);
        fillBlank(d.txtNonExpBi[i], t.BiWeekly[i].Exemption);
        fillBlank(d.txtNonMinWk[i], t.Weekly[i].MinRange);
        fillBlank(d.txtNonExpWk[i], t.Weekly[i].Exemption);
    }
    fillBlank(d.txtNonPer, t.NonCityRate);
}

void captureNonCityDialog(NonCityDialogModel& d, NonCityTable& table) {
    fillBlankNonCityBoxes(d);
    NonCityTable t;
    for (int i = 0; i < kNonCityRows; ++i) {
        t.BiWeekly[i] = {number(d.txtNonMinBi[i]), number(d.txtNonExpBi[i])};
        t.Weekly[i] = {number(d.txtNonMinWk[i]), number(d.txtNonExpWk[i])};
    }
    t.NonCityRate = number(d.txtNonPer);
    table = t;
}

std::string formatNonCityFile(const NonCityTable& t) {
    RecordWriter out;
    for (int i = 0; i < kNonCityRows; ++i) {
        out.single(t.BiWeekly[i].MinRange).single(t.BiWeekly[i].Exemption);
        out.single(t.Weekly[i].MinRange).single(t.Weekly[i].Exemption).endLine();
    }
    out.single(t.NonCityRate).endLine();
    return out.content();
}

void parseNonCityFile(std::string_view content, const std::string& fileName, NonCityTable& t) {
    RecordReader in(content, fileName);
    for (int i = 0; i < kNonCityRows; ++i) {
        t.BiWeekly[i].MinRange = in.readSingle();
        t.BiWeekly[i].Exemption = in.readSingle();
        t.Weekly[i].MinRange = in.readSingle();
        t.Weekly[i].Exemption = in.readSingle();
    }
    t.NonCityRate = in.readSingle();
}

double nonCityTax(const NonCityTable& table, bool biWeekly, float w, float& cityAllowance) {
    const auto& rows = biWeekly ? table.BiWeekly : table.Weekly;
    for (int i = 0; i < kNonCityRows - 1; ++i) {
        if (rows[i].MinRange <= w && w < rows[i + 1].MinRange) cityAllowance = rows[i].Exemption;
    }
    if (w >= rows[kNonCityRows - 1].MinRange) cityAllowance = rows[kNonCityRows - 1].Exemption;
    return (w - cityAllowance) * table.NonCityRate;
}

}  // namespace corvanta
