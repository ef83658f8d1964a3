#include "tax/local/city_table.h"

#include "base/core/dialog_text.h"
#include "base/core/money.h"
#include "base/core/user_error.h"
#include "base/files/record_format.h"

namespace corvanta {
namespace {

CityTable makeDefaults() {
    CityTable t;
    const std::array<float, 6> minimums{0, 308, 334, 557, 962, 2308};
    const std::array<float, 6> amounts{0, 5.85f, 6.58f, 14.08f, 28.31f, 80.81f};
    const std::array<float, 6> percents{0.019f, 0.0265f, 0.031f, 0.037f, 0.039f, 0.04f};
    for (int i = 0; i < kCityRows; ++i) {
        const bool used = i < 6;
        t.SingleRows[i] = {used ? minimums[i] : kUnusedMinRange, used ? amounts[i] : 0,
                           used ? percents[i] : 0};
        t.MarriedRows[i] = t.SingleRows[i];
    }
    t.MarriedRows[3].MinRange = 577;
    t.SingleAllowance = {192.3f, 230.8f, 269.3f, 307.8f, 346.3f,
                         384.8f, 423.3f, 461.8f, 500.3f, 538.8f};
    t.MarriedAllowance = {211.5f, 250, 288.5f, 327, 365.5f, 404, 442.5f, 481, 519.5f, 558};
    return t;
}

float number(const std::string& text) { return boxNumber(text, kCheckNumbersMessage); }

}  // namespace

const CityTable& cityDefaults() {
    static const CityTable defaults = makeDefaults();
    return defaults;
}

void showCityTable(const CityTable& t, CityDialogModel& d) {
    for (int i = 0; i < kCityRows; ++i) {
        d.txtCityMinBS[i] = shortestText(t.SingleRows[i].MinRange);
        d.txtCityAmtBS[i] = shortestText(t.SingleRows[i].Amount);
        d.txtCityPerBS[i] = shortestText(t.SingleRows[i].Percent);
        d.txtCityMinBM[i] = shortestText(t.MarriedRows[i].MinRange);
        d.txtCityAmtBM[i] = shortestText(t.MarriedRows[i].Amount);
        d.txtCityPerBM[i] = shortestText(t.MarriedRows[i].Percent);
        d.txtCitySgExp[i] = shortestText(t.SingleAllowance[i]);
        d.txtCityMarExp[i] = shortestText(t.MarriedAllowance[i]);
    }
    d.ckNoLocalTax = t.NoLocalTax;
}

void clearCityBoxes(CityDialogModel& d) {
    for (int i = 0; i < kCityRows; ++i) {
        d.txtCityMinBS[i] = d.txtCityMinBM[i] = "999999";
        d.txtCityAmtBS[i] = d.txtCityPerBS[i] = d.txtCityAmtBM[i] = d.txtCityPerBM[i] = "0";
        d.txtCitySgExp[i] = d.txtCityMarExp[i] = "0";
    }
}

void fillBlankCityBoxes(CityDialogModel& d) {
    const CityTable& t = cityDefaults();
    for (int i = 0; i < kCityRows; ++i) {
        fillBlank(d.txtCityMinBS[i], t.SingleRows[i].MinRange);
        fillBlank(d.txtCityAmtBS[i], t.SingleRows[i].Amount);
        fillBlank(d.txtCityPerBS[i], t.SingleRows[i].Percent);
        fillBlank(d.txtCityMinBM[i], t.MarriedRows[i].MinRange);
        fillBlank(d.txtCityAmtBM[i], t.MarriedRows[i].Amount);
        fillBlank(d.txtCityPerBM[i], t.MarriedRows[i].Percent);
        fillBlank(d.txtCitySgExp[i], t.SingleAllowance[i]);
        fillBlank(d.txtCityMarExp[i], t.MarriedAllowance[i]);
    }
}

void captureCityDialog(CityDialogModel& d, CityTable& table) {
    fillBlankCityBoxes(d);
    CityTable t;
    for (int i = 0; i < kCityRows; ++i) {
        t.SingleRows[i] = {number(d.txtCityMinBS[i]), number(d.txtCityAmtBS[i]),
                           number(d.txtCityPerBS[i])};
        t.MarriedRows[i] = {number(d.txtCityMinBM[i]), number(d.txtCityAmtBM[i]),
                            number(d.txtCityPerBM[i])};
        t.SingleAllowance[i] = number(d.txtCitySgExp[i]);
        t.MarriedAllowance[i] = number(d.txtCityMarExp[i]);
    }
    t.NoLocalTax = d.ckNoLocalTax != 0 ? 1 : 0;
    table = t;
}

std::string formatCityFile(const CityTable& t) {
    RecordWriter out;
    for (int i = 0; i < kCityRows; ++i) {
        out.single(t.SingleRows[i].MinRange).single(t.SingleRows[i].Amount);
        out.single(t.SingleRows[i].Percent).single(t.MarriedRows[i].MinRange);
        out.single(t.MarriedRows[i].Amount).single(t.MarriedRows[i].Percent).endLine();
    }
    out.integer(t.NoLocalTax).endLine();
    for (int i = 0; i < kCityRows; ++i) {
        out.single(t.SingleAllowance[i]).single(t.MarriedAllowance[i]).endLine();
    }
    return out.content();
}

void parseCityFile(std::string_view content, const std::string& fileName, CityTable& t) {
    RecordReader in(content, fileName);
    for (int i = 0; i < kCityRows; ++i) {
        t.SingleRows[i].MinRange = in.readSingle();
        t.SingleRows[i].Amount = in.readSingle();
        t.SingleRows[i].Percent = in.readSingle();
        t.MarriedRows[i].MinRange = in.readSingle();
        t.MarriedRows[i].Amount = in.readSingle();
        t.MarriedRows[i].Percent = in.readSingle();
    }
    t.NoLocalTax = in.readInteger();
    for (int i = 0; i < kCityRows; ++i) {
        t.SingleAllowance[i] = in.readSingle();
        t.MarriedAllowance[i] = in.readSingle();
    }
}

double cityTax(const CityTable& table, bool weekly, bool single, float taxableGross,
               float cityAllowance, float& taxableWage) {
    const auto& rows = single ? table.SingleRows : table.MarriedRows;
    const float t = weekly ? taxableGross - cityAllowance / 2 : taxableGross - cityAllowance;
    taxableWage = t;
    auto minimum = [&](int i) { return weekly ? rows[i].MinRange / 2 : rows[i].MinRange; };
    auto amount = [&](int i) { return weekly ? rows[i].Amount / 2 : rows[i].Amount; };
    double tax = 0;
    for (int i = 0; i < kCityRowsApplied - 1; ++i) {
        if (minimum(i) <= t && t < minimum(i + 1)) {
            tax = (t - minimum(i)) * rows[i].Percent + amount(i);
        }
    }
    const int last = kCityRowsApplied - 1;
    if (t >= minimum(last)) tax = (t - minimum(last)) * rows[last].Percent + amount(last);
    // A table whose amounts decrease must not pay the employee back; no tax is the floor.
    return tax < 0 ? 0.0 : tax;
}

}  // namespace corvanta
