#include "session/forms/efw2_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <map>

#include "base/core/user_error.h"

namespace corvanta {
namespace {

// A record being filled: blanks, with fields written at the publication's 1-based positions.
class Record {
  public:
    explicit Record(const char* kind) : text_(kEfw2RecordLength, ' ') { put(1, 2, kind); }

    // Text, upper case, left-justified and cut to the field.
    Record& put(int from, int to, const std::string& value) {
        const std::size_t width = static_cast<std::size_t>(to) - static_cast<std::size_t>(from) + 1;
        std::string v = value.substr(0, width);
        std::transform(v.begin(), v.end(), v.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        text_.replace(static_cast<std::size_t>(from - 1), v.size(), v);
        return *this;
    }
    // Money in cents, right-justified with zeros; never negative.
    Record& money(int from, int to, Currency c) {
        const std::int64_t cents = std::max<std::int64_t>(0, c.units() / 100);
        return number(from, to, cents);
    }
    Record& number(int from, int to, std::int64_t n) {
        std::string digits = std::to_string(n);
        const std::size_t width = static_cast<std::size_t>(to) - static_cast<std::size_t>(from) + 1;
        if (digits.size() > width) digits = std::string(width, '9');
        digits.insert(0, width - digits.size(), '0');
        text_.replace(static_cast<std::size_t>(from - 1), width, digits);
        return *this;
    }
    [[nodiscard]] std::string line() const { return text_ + "\r\n"; }

  private:
    std::string text_;
};

// The numeric state codes of the state records.
const std::map<std::string, int>& stateCodes() {
    static const std::map<std::string, int> codes{
        {"AL", 1},  {"AK", 2},  {"AZ", 4},  {"AR", 5},  {"CA", 6},  {"CO", 8},  {"CT", 9},
        {"DE", 10}, {"DC", 11}, {"FL", 12}, {"GA", 13}, {"HI", 15}, {"ID", 16}, {"IL", 17},
        {"IN", 18}, {"IA", 19}, {"KS", 20}, {"KY", 21}, {"LA", 22}, {"ME", 23}, {"MD", 24},
        {"MA", 25}, {"MI", 26}, {"MN", 27}, {"MS", 28}, {"MO", 29}, {"MT", 30}, {"NE", 31},
        {"NV", 32}, {"NH", 33}, {"NJ", 34}, {"NM", 35}, {"NY", 36}, {"NC", 37}, {"ND", 38},
        {"OH", 39}, {"OK", 40}, {"OR", 41}, {"PA", 42}, {"RI", 44}, {"SC", 45}, {"SD", 46},
        {"TN", 47}, {"TX", 48}, {"UT", 49}, {"VT", 50}, {"VA", 51}, {"WA", 53}, {"WV", 54},
        {"WI", 55}, {"WY", 56}};
    return codes;
}

std::string upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

void checkCompany(const Company& c, std::vector<Efw2Problem>& out) {
    const auto need = [&out](const std::string& value, const char* field) {
        if (value.empty()) out.push_back({"employer", field, "missing"});
    };
    const std::string ein = digitsOf(c.ein);
    if (c.ein.empty()) {
        out.push_back({"employer", "EIN", "missing"});
    } else if (ein.size() != 9 || ein == "000000000") {
        out.push_back({"employer", "EIN", "\"" + c.ein + "\" is not nine digits"});
    }
    need(c.name, "name");
    need(c.street, "street");
    need(c.city, "city");
    if (stateCodes().count(upper(c.stateCode)) == 0) {
        out.push_back({"employer", "state", "\"" + c.stateCode + "\" is not a state"});
    }
    if (digitsOf(c.zip).size() != 5 && digitsOf(c.zip).size() != 9) {
        out.push_back({"employer", "ZIP code", "\"" + c.zip + "\" is not 5 or 9 digits"});
    }
    need(c.contact.name, "contact name");
    need(c.contact.phone, "contact telephone");
    need(c.contact.email, "contact e-mail");
}

void checkEmployee(const EmployeeW2& w, std::vector<Efw2Problem>& out) {
    const std::string& who = w.fileName;
    const std::string ssn = digitsOf(w.person.ssn);
    if (w.person.ssn.empty()) {
        out.push_back({who, "Social Security number", "missing"});
    } else if (!isSocialSecurityNumber(ssn)) {
        out.push_back(
            {who, "Social Security number", "\"" + w.person.ssn + "\" is not a valid number"});
    }
    const PersonName name = splitPersonName(w.person.name);
    if (name.first.empty()) out.push_back({who, "first name", "missing"});
    if (name.last.empty()) out.push_back({who, "last name", "missing"});
    if (w.person.street.empty()) out.push_back({who, "street", "missing"});
    if (w.person.cityLine.empty()) {
        out.push_back({who, "city, state and ZIP code", "missing"});
    } else if (!splitCityLine(w.person.cityLine)) {
        out.push_back({who, "city, state and ZIP code",
                       "\"" + w.person.cityLine + "\" is not of the form City, ST 12345"});
    }
}

std::string zip5(const std::string& zip) { return digitsOf(zip).substr(0, 5); }
std::string zipExtension(const std::string& zip) {
    const std::string d = digitsOf(zip);
    return d.size() == 9 ? d.substr(5) : "";
}

std::string submitter(const YearFilings& f, const std::string& userId) {
    const Company& c = f.company;
    Record r("RA");
    r.put(3, 11, digitsOf(c.ein)).put(12, 19, userId);
    r.put(29, 29, "0").put(36, 37, "98");  // not a resubmission; the employer's own program
    r.put(38, 94, c.name).put(117, 138, c.street).put(139, 160, c.city);
    r.put(161, 162, c.stateCode).put(163, 167, zip5(c.zip)).put(168, 171, zipExtension(c.zip));
    r.put(217, 273, c.name).put(296, 317, c.street).put(318, 339, c.city);
    r.put(340, 341, c.stateCode).put(342, 346, zip5(c.zip)).put(347, 350, zipExtension(c.zip));
    r.put(396, 422, c.contact.name).put(423, 437, digitsOf(c.contact.phone));
    r.put(446, 485, c.contact.email);
    r.put(500, 500, "1").put(501, 501, "L");  // problems by e-mail; prepared by the employer
    return r.line();
}

std::string employer(const YearFilings& f) {
    const Company& c = f.company;
    Record r("RE");
    r.number(3, 6, f.year).put(8, 16, digitsOf(c.ein)).put(26, 26, "0");
    r.put(40, 96, c.name).put(119, 140, c.street).put(141, 162, c.city);
    r.put(163, 164, c.stateCode).put(165, 169, zip5(c.zip)).put(170, 173, zipExtension(c.zip));
    r.put(219, 219, "R").put(221, 221, "0");  // regular (941) employer; no third-party sick pay
    return r.line();
}

// The money fields of the wage record, each 11 positions from 188 to 462 but the blank 342
// to 352 and 397 to 407.
constexpr std::array<int, 23> kRwMoney{188, 199, 210, 221, 232, 243, 254, 265, 276, 287, 298, 309,
                                       320, 331, 353, 364, 375, 386, 408, 419, 430, 441, 452};

std::string wageRecord(const EmployeeW2& w) {
    const FormW2& b = w.boxes;
    const PersonName name = splitPersonName(w.person.name);
    const CityLine place = splitCityLine(w.person.cityLine).value_or(CityLine{});
    Record r("RW");
    r.put(3, 11, digitsOf(w.person.ssn)).put(12, 26, name.first).put(27, 41, name.middle);
    r.put(42, 61, name.last).put(62, 65, name.suffix);
    r.put(88, 109, w.person.street).put(110, 131, place.city).put(132, 133, place.state);
    r.put(134, 138, place.zip).put(139, 142, place.zipExtension);
    for (const int from : kRwMoney) r.money(from, from + 10, Currency{});
    r.money(188, 198, b.box1).money(199, 209, b.box2).money(210, 220, b.box3);
    r.money(221, 231, b.box4).money(232, 242, b.box5).money(243, 253, b.box6);
    r.money(254, 264, b.box7).money(287, 297, b.box12D);
    r.put(488, 488, "0").put(490, 490, w.retirementPlan ? "1" : "0").put(491, 491, "0");
    return r.line();
}

// Uncollected tax on tips (codes A and B together) has its place in the optional record.
std::string optionalRecord(const EmployeeW2& w) {
    Record r("RO");
    for (int from = 12; from <= 89; from += 11) r.money(from, from + 10, Currency{});
    r.money(23, 33, w.boxes.box12A + w.boxes.box12B);
    return r.line();
}

std::string stateRecord(const EmployeeW2& w, const YearFilings& f) {
    const Company& c = f.company;
    const PersonName name = splitPersonName(w.person.name);
    const CityLine place = splitCityLine(w.person.cityLine).value_or(CityLine{});
    const int code = stateCodes().at(upper(c.stateCode));
    Record r("RS");
    r.number(3, 4, code).put(10, 18, digitsOf(w.person.ssn)).put(19, 33, name.first);
    r.put(34, 48, name.middle).put(49, 68, name.last).put(69, 72, name.suffix);
    r.put(95, 116, w.person.street).put(117, 138, place.city).put(139, 140, place.state);
    r.put(141, 145, place.zip).put(146, 149, place.zipExtension);
    r.put(248, 267, c.stateEmployerId).number(274, 275, code);
    r.money(276, 286, w.boxes.box16).money(287, 297, w.boxes.box17);
    if (w.boxes.box18 != Currency{} || w.boxes.box19 != Currency{}) {
        r.put(308, 308, "C").money(309, 319, w.boxes.box18).money(320, 330, w.boxes.box19);
    }
    return r.line();
}

std::string total(const YearFilings& f) {
    const FormW2& b = f.w3;
    Record r("RT");
    r.number(3, 9, static_cast<std::int64_t>(f.w2.size()));
    for (int from = 10; from <= 385; from += 15) {
        if (from != 220 && from != 295) r.money(from, from + 14, Currency{});
    }
    r.money(10, 24, b.box1).money(25, 39, b.box2).money(40, 54, b.box3);
    r.money(55, 69, b.box4).money(70, 84, b.box5).money(85, 99, b.box6);
    r.money(100, 114, b.box7).money(145, 159, b.box12D);
    return r.line();
}

std::string optionalTotal(int records, Currency uncollected) {
    Record r("RU");
    r.number(3, 9, records);
    for (int from = 10; from <= 130; from += 15) r.money(from, from + 14, Currency{});
    r.money(25, 39, uncollected);
    return r.line();
}

}  // namespace

std::vector<Efw2Problem> efw2Problems(const YearFilings& filings, const std::string& userId) {
    std::vector<Efw2Problem> problems;
    if (userId.size() != 8 || !std::all_of(userId.begin(), userId.end(),
                                           [](unsigned char c) { return std::isalnum(c) != 0; })) {
        problems.push_back(
            {"submitter", "User ID", "\"" + userId + "\" is not 8 letters or digits"});
    }
    checkCompany(filings.company, problems);
    for (const EmployeeW2& w : filings.w2) checkEmployee(w, problems);
    if (filings.w2.empty()) problems.push_back({"employer", "W-2", "no employee was paid"});
    return problems;
}

std::vector<std::string> efw2ProblemLines(const std::vector<Efw2Problem>& problems) {
    std::vector<std::string> lines;
    lines.reserve(problems.size());
    for (const Efw2Problem& p : problems)
        lines.push_back(p.who + ", " + p.field + ": " + p.problem);
    return lines;
}

std::string efw2File(const YearFilings& filings, const std::string& userId) {
    const auto problems = efw2Problems(filings, userId);
    if (!problems.empty()) {
        std::string message = "The wage file was not written. What is missing:";
        for (const std::string& l : efw2ProblemLines(problems)) message += "\r\n" + l;
        throw UserError(message, "Forms");
    }
    const bool stateRecords = !filings.company.stateEmployerId.empty();
    std::string file = submitter(filings, userId) + employer(filings);
    int optional = 0;
    Currency uncollected;
    for (const EmployeeW2& w : filings.w2) {
        file += wageRecord(w);
        const Currency tips = w.boxes.box12A + w.boxes.box12B;
        if (tips != Currency{}) {
            file += optionalRecord(w);
            ++optional;
            uncollected = uncollected + tips;
        }
        if (stateRecords) file += stateRecord(w, filings);
    }
    file += total(filings);
    if (optional > 0) file += optionalTotal(optional, uncollected);
    Record final("RF");
    final.number(8, 16, static_cast<std::int64_t>(filings.w2.size()));
    return file + final.line();
}

}  // namespace corvanta
