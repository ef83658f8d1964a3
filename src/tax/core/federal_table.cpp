#include "tax/core/federal_table.h"

#include "base/core/program_info.h"
#include "base/files/record_format.h"

namespace corvanta {
namespace {

void readBlock(RecordReader& in, FederalBracketBlock& block) {
    auto& b = block.brackets;
    b[0].lower = in.readSingle();
    b[0].upper = in.readSingle();
    b[0].base = in.readSingle();
    b[0].rate = in.readSingle();
    for (int i = 1; i <= 4; ++i) {
        b[i].lower = in.readSingle();
        b[i].upper = in.readSingle();
        b[i].base = in.readSingle();
        b[i].rate = in.readSingle();
        b[i].amount = in.readSingle();
    }
    b[5].lower = in.readSingle();
    b[5].base = in.readSingle();
    b[5].rate = in.readSingle();
    b[5].amount = in.readSingle();
    in.readRaw();  // separator: a title or any value
}

void writeBlock(RecordWriter& out, const FederalBracketBlock& block, const char* title) {
    const auto& b = block.brackets;
    out.single(b[0].lower).single(b[0].upper).single(b[0].base).single(b[0].rate).endLine();
    for (int i = 1; i <= 4; ++i) {
        out.single(b[i].lower).single(b[i].upper).single(b[i].base).single(b[i].rate);
        out.single(b[i].amount).endLine();
    }
    out.single(b[5].lower).single(b[5].base).single(b[5].rate).single(b[5].amount).endLine();
    out.text(title).endLine();
}

}  // namespace

FederalTable parseFederalTable(std::string_view content, const std::string& fileName) {
    RecordReader in(content, fileName);
    FederalTable t;
    readBlock(in, t.singleBiWeekly);
    readBlock(in, t.singleWeekly);
    readBlock(in, t.marriedBiWeekly);
    readBlock(in, t.marriedWeekly);
    for (float& a : t.singleAllowance) a = in.readSingle();
    for (float& a : t.marriedAllowance) a = in.readSingle();
    t.TableVersion = in.readText();
    return t;
}

std::string formatFederalTable(const FederalTable& t) {
    RecordWriter out;
    writeBlock(out, t.singleBiWeekly, "Single Bi-Weekly");
    writeBlock(out, t.singleWeekly, "Single Weekly");
    writeBlock(out, t.marriedBiWeekly, "Married Bi-Weekly");
    writeBlock(out, t.marriedWeekly, "Married Weekly");
    std::array<float, 20> all{};
    for (int i = 0; i < 10; ++i) {
        all[i] = t.singleAllowance[i];
        all[10 + i] = t.marriedAllowance[i];
    }
    for (int i = 0; i < 18; ++i) {
        out.single(all[i]);
        if (i % 3 == 2) out.endLine();
    }
    out.single(all[18]).single(all[19]).text(t.TableVersion).endLine();
    return out.content();
}

float federalBrackets(const FederalBracketBlock& block, float w) {
    const auto& b = block.brackets;
    float tax = 0;
    if (b[0].lower < w && w <= b[0].upper) tax = (w - b[0].base) * b[0].rate;
    for (int i = 1; i <= 4; ++i) {
        if (b[i].lower < w && w <= b[i].upper) tax = (w - b[i].base) * b[i].rate + b[i].amount;
    }
    if (w > b[5].lower) tax = (w - b[5].base) * b[5].rate + b[5].amount;
    return tax;
}

std::string federalTableMissingMessage() {
    return std::string("You have illegally altered this program\r\nand destroyed data.\r\n") +
           "Contact " + kMakerNameCaps + " at\r\n" + kMakerEmail;
}

void clearFederalTable(FederalTable& table) {
    const std::string version = table.TableVersion;
    table = FederalTable{};
    table.TableVersion = version;  // the window keeps showing the edition last read
}

}  // namespace corvanta
