#include "session/checks/check_register_report.h"

#include <algorithm>

namespace corvanta {
namespace {

const std::vector<std::string> kHeadings{"Number", "Date", "Employee", "Payee",
                                         "Amount", "Week", "State"};

std::vector<IssuedCheck> inNumberOrder(const CheckRegister& reg) {
    std::vector<IssuedCheck> checks = reg.checks;
    std::stable_sort(checks.begin(), checks.end(), [](const IssuedCheck& a, const IssuedCheck& b) {
        return a.number < b.number;
    });
    return checks;
}

std::string csvCell(const std::string& s) {
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string out = "\"";
    for (const char c : s) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

}  // namespace

CheckRegisterTable checkRegisterTable(const CheckRegister& reg) {
    CheckRegisterTable table{kHeadings};
    for (const IssuedCheck& c : inNumberOrder(reg)) {
        table.push_back({std::to_string(c.number), c.date, c.employee, c.payee, centsText(c.cents),
                         c.week, checkStateName(c.state)});
    }
    return table;
}

std::string checkRegisterCsv(const CheckRegister& reg) {
    std::string out;
    for (const auto& row : checkRegisterTable(reg)) {
        for (std::size_t i = 0; i < row.size(); ++i) out += (i ? "," : "") + csvCell(row[i]);
        out += "\r\n";
    }
    return out;
}

void printCheckRegister(const CheckRegister& reg, PrintColumnModel& out) {
    const CheckRegisterTable table = checkRegisterTable(reg);
    std::vector<int> widths(kHeadings.size(), 0);
    for (const auto& row : table) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            widths[i] = std::max(widths[i], static_cast<int>(row[i].size()) + 2);
        }
    }
    out.setOrientation(PageOrientation::Landscape);
    out.setFontName("Courier New");
    out.setFontSize(8);
    out.write("Check register");
    out.endLine();
    out.endLine();
    for (const auto& row : table) {
        int column = 1;
        for (std::size_t i = 0; i < row.size(); ++i) {
            out.tab(column);
            out.write(row[i]);
            column += widths[i];
        }
        out.endLine();
    }
    std::int64_t cents = 0;
    int live = 0;
    for (const IssuedCheck& c : reg.checks) {
        if (c.isVoid()) continue;
        cents += c.cents;
        ++live;
    }
    out.endLine();
    out.write(std::to_string(live) + " checks not void, " + centsText(cents));
    out.endLine();
    out.endDocument();
}

}  // namespace corvanta
