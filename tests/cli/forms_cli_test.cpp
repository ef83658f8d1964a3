// The year's filings written by `forms`: the W-2 copies and the W-3 as PDF text, the 941 and
// 940 worksheets, and the wage file read back by a reader of its own, written from the
// publication's record layouts.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "session/company/company_file.h"
#include "support/folder_bytes.h"
#include "support/ledger_writer.h"
#include "support/pdf_text.h"

namespace corvanta::testing {
namespace {

namespace fs = std::filesystem;

Company testCompany() {
    Company c;
    c.name = "Corvanta Test Co";
    c.street = "100 Main Street";
    c.city = "Albany";
    c.stateCode = "NY";
    c.zip = "12207";
    c.ein = "12-3456789";
    c.stateEmployerId = "NY1234567";
    c.contact = {"Pat Clerk", "518-555-0100", "pat@example.com"};
    return c;
}

std::function<void(EmployeeProfile&)> person(const char* name, const char* ssn, const char* street,
                                             const char* cityLine) {
    return [=](EmployeeProfile& p) {
        p.EmployeeName = name;
        p.EmployeeSsn = ssn;
        p.EmployeeAddress = street;
        p.EmployeeCityStateZip = cityLine;
    };
}

class FormsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        writeCompany(folder_.path(), testCompany());
        writeLedgerEmployee(folder_, "ann",
                            {{"1/4/2008", 1000, 100, 62, 14.5f, 50, 0, 0, 0, 30, 5},
                             {"4/4/2008", 500, 40, 31, 7.25f, 25, 10, 0, 100, 10, 0}},
                            person("Ann B Lee", "123-45-6789", "12 Elm St", "Albany, NY 12208"));
        writeLedgerEmployee(
            folder_, "bo",
            {{"3/28/2008", 100000, 20000, 6200, 1450}, {"4/4/2008", 5000, 1000, 124, 72.5f}},
            person("Bo Park Jr.", "234-56-7890", "3 Oak Ave", "Troy, NY 12180-1234"));
        writeLedgerEmployee(folder_, "tipper",
                            {{"1/4/2008", 200, 5, 12.4f, 2.9f, 0, 0, 0, 190, 0, 0, -10.3f}},
                            person("Cy Diaz", "345-67-8901", "9 Pine Rd", "Albany, NY 12203"));
    }

    nlohmann::json forms(std::vector<std::string> args) const {
        args.insert(args.begin(), "forms");
        args.insert(args.end(), {"--json", "--dir", folder_.path()});
        const CliResult r = runCli(args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return r.exitCode == 0 ? nlohmann::json::parse(r.out) : nlohmann::json::object();
    }

    TempFolder folder_;
    TempFolder out_;
};

std::vector<std::string> pages(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string page; std::getline(in, page, '\f');) {
        if (!squeezed(page).empty()) out.push_back(page);
    }
    return out;
}

std::string shown(double dollars) {
    const auto cents = static_cast<long long>(std::llround(dollars * 100));
    std::string whole = std::to_string(cents / 100);
    for (int i = static_cast<int>(whole.size()) - 3; i > 0; i -= 3) whole.insert(i, ",");
    const std::string c = std::to_string(cents % 100);
    return whole + "." + (c.size() == 1 ? "0" : "") + c;
}

TEST_F(FormsTest, EveryW2CopyHoldsEveryBoxOfItsEmployee) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    const auto j = forms(
        {"--year", "2008", "--w2", (out_ / "w2.pdf").string(), "--w3", (out_ / "w3.pdf").string()});
    ASSERT_EQ(j["w2"].size(), 3U);
    const auto copies = pages(pdfText(out_ / "w2.pdf", "-layout"));
    ASSERT_EQ(copies.size(), 9U);
    const std::vector<std::string> boxes{"box1",  "box2",  "box3",   "box4",   "box5",
                                         "box6",  "box7",  "box12A", "box12B", "box12D",
                                         "box16", "box17", "box18",  "box19"};
    const std::vector<std::string> copyNames{"Copy B", "Copy C", "Copy 2"};
    for (std::size_t e = 0; e < 3; ++e) {
        const auto& w = j["w2"][e];
        for (std::size_t c = 0; c < 3; ++c) {
            const std::string& page = copies[e * 3 + c];
            const std::string what = w["employee"].get<std::string>() + " " + copyNames[c];
            EXPECT_NE(page.find(copyNames[c]), std::string::npos) << what;
            EXPECT_NE(page.find("2008"), std::string::npos) << what;
            EXPECT_NE(page.find(w["ssn"].get<std::string>()), std::string::npos) << what;
            EXPECT_NE(page.find(w["name"].get<std::string>()), std::string::npos) << what;
            EXPECT_NE(page.find("12-3456789"), std::string::npos) << what;
            EXPECT_NE(page.find("Corvanta Test Co"), std::string::npos) << what;
            for (const std::string& b : boxes) {
                if (w[b].get<double>() == 0 && b.rfind("box12", 0) == 0) continue;
                EXPECT_NE(page.find(shown(w[b].get<double>())), std::string::npos)
                    << what << " " << b << " " << shown(w[b].get<double>());
            }
            if (w["box14"]["amount"].get<double>() != 0) {
                EXPECT_NE(page.find("Pension " + shown(w["box14"]["amount"])), std::string::npos)
                    << what;
            }
        }
    }
    const std::string w3 = pdfText(out_ / "w3.pdf", "-layout");
    EXPECT_NE(w3.find("Total number of Forms W-2: 3"), std::string::npos) << w3;
    for (const char* b : {"box1", "box2", "box3", "box4", "box5", "box6", "box7", "box16"}) {
        EXPECT_NE(w3.find(shown(j["w3"][b].get<double>())), std::string::npos) << b;
    }
}

TEST_F(FormsTest, WorksheetsGiveTheLinesOfThe941AndThe940) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    const auto j = forms({"--year", "2008", "--quarter", "2008Q2", "--941",
                          (out_ / "941.pdf").string(), "--940", (out_ / "940.pdf").string()});
    const auto f941 = j["quarter"]["form941"];
    const std::string q = squeezed(pdfText(out_ / "941.pdf", "-layout"));
    for (const char* line : {"line2", "line3", "line5d", "line6", "line8"}) {
        EXPECT_NE(q.find(shown(f941[line].get<double>())), std::string::npos) << line << "\n" << q;
    }
    EXPECT_NE(q.find("Month 1"), std::string::npos);
    EXPECT_NE(q.find("due 5/15/2008"), std::string::npos) << q;  // April's taxes
    const auto f940 = j["form940"];
    const std::string y = squeezed(pdfText(out_ / "940.pdf", "-layout"));
    EXPECT_NE(y.find("3 Total payments to all employees " + shown(f940["line3"])),
              std::string::npos)
        << y;
    EXPECT_NE(y.find(shown(f940["line8"])), std::string::npos) << y;
    // FUTA: the first 7,000 of each: Ann 1,500, Bo 7,000, the tipper 200.
    EXPECT_DOUBLE_EQ(f940["line7"], 8700.0);
    EXPECT_DOUBLE_EQ(f940["line8"], 69.6);
    EXPECT_DOUBLE_EQ(f940["line17"], 69.6);
}

// The wage file as its publication lays it out: positions are 1-based and inclusive.
struct WageFile {
    std::vector<std::string> records;
    static std::string field(const std::string& r, int from, int to) {
        return r.substr(static_cast<std::size_t>(from - 1),
                        static_cast<std::size_t>(to - from + 1));
    }
    static std::string text(const std::string& r, int from, int to) {
        std::string s = field(r, from, to);
        return s.substr(0, s.find_last_not_of(' ') + 1);
    }
    static double money(const std::string& r, int from, int to) {
        const std::string digits = field(r, from, to);
        EXPECT_EQ(digits.find_first_not_of("0123456789"), std::string::npos) << digits;
        return static_cast<double>(std::stoll(digits)) / 100;
    }
};

WageFile readWageFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    const std::string all = s.str();
    WageFile w;
    std::size_t at = 0;
    while (at < all.size()) {
        const auto end = all.find("\r\n", at);
        EXPECT_NE(end, std::string::npos) << "a record without CR LF";
        if (end == std::string::npos) break;
        w.records.push_back(all.substr(at, end - at));
        at = end + 2;
    }
    return w;
}

TEST_F(FormsTest, TheWageFileReadsBackRecordByRecord) {
    const fs::path file = out_ / "W2REPORT";
    const auto j = forms({"--year", "2008", "--efw2", file.string(), "--user-id", "AB12CD34"});
    const WageFile w = readWageFile(file);
    std::string kinds;
    for (const std::string& r : w.records) {
        EXPECT_EQ(r.size(), 512U) << r.substr(0, 2);
        kinds += r.substr(0, 2) + " ";
    }
    // The tipper's uncollected tax has its optional record; the company's state number its
    // state records.
    EXPECT_EQ(kinds, "RA RE RW RS RW RS RW RO RS RT RU RF ");
    const std::string& ra = w.records[0];
    EXPECT_EQ(WageFile::field(ra, 3, 11), "123456789");
    EXPECT_EQ(WageFile::field(ra, 12, 19), "AB12CD34");
    EXPECT_EQ(WageFile::text(ra, 396, 422), "PAT CLERK");
    const std::string& re = w.records[1];
    EXPECT_EQ(WageFile::field(re, 3, 6), "2008");
    EXPECT_EQ(WageFile::field(re, 8, 16), "123456789");
    EXPECT_EQ(WageFile::text(re, 40, 96), "CORVANTA TEST CO");

    std::map<int, double> sums;
    int rw = 0;
    const std::vector<std::pair<int, const char*>> money{
        {188, "box1"}, {199, "box2"}, {210, "box3"}, {221, "box4"},
        {232, "box5"}, {243, "box6"}, {254, "box7"}, {287, "box12D"}};
    for (const std::string& r : w.records) {
        if (r.substr(0, 2) != "RW") continue;
        const auto& expected = j["w2"][rw++];
        std::string ssn = expected["ssn"];
        ssn.erase(std::remove(ssn.begin(), ssn.end(), '-'), ssn.end());
        EXPECT_EQ(WageFile::field(r, 3, 11), ssn);
        for (const auto& [from, box] : money) {
            const double value = WageFile::money(r, from, from + 10);
            EXPECT_DOUBLE_EQ(value, expected[box].get<double>()) << box;
            sums[from] += value;
        }
    }
    const std::string& bo = w.records[4];
    EXPECT_EQ(WageFile::text(bo, 12, 26), "BO");
    EXPECT_EQ(WageFile::text(bo, 42, 61), "PARK");
    EXPECT_EQ(WageFile::text(bo, 62, 65), "JR");
    EXPECT_EQ(WageFile::text(bo, 110, 131), "TROY");
    EXPECT_EQ(WageFile::field(bo, 134, 142), "121801234");
    EXPECT_EQ(WageFile::text(w.records[2], 27, 41), "B");           // Ann's middle initial
    EXPECT_DOUBLE_EQ(WageFile::money(w.records[7], 23, 33), 10.3);  // the tipper's RO

    const std::string& rt = *(w.records.end() - 3);
    EXPECT_EQ(WageFile::field(rt, 3, 9), "0000003");
    const std::vector<std::pair<int, int>> totals{{188, 10}, {199, 25}, {210, 40},  {221, 55},
                                                  {232, 70}, {243, 85}, {254, 100}, {287, 145}};
    for (const auto& [rwFrom, rtFrom] : totals) {
        EXPECT_NEAR(WageFile::money(rt, rtFrom, rtFrom + 14), sums[rwFrom], 0.001) << rtFrom;
    }
    EXPECT_EQ(WageFile::field(w.records.back(), 8, 16), "000000003");
}

TEST_F(FormsTest, AWageFileWithFieldsMissingIsRefusedWholeNamingEach) {
    Company c = testCompany();
    c.ein.clear();
    writeCompany(folder_.path(), c);
    writeLedgerEmployee(folder_, "nossn", {{"1/4/2008", 100, 0, 6.2f, 1.45f}},
                        person("Dee Fox", "Soc Sec #", "1 Main St", "Albany, NY 12207"));
    const fs::path file = out_ / "W2REPORT";
    const CliResult r =
        runCli({"forms", "--year", "2008", "--efw2", file.string(), "--user-id", "AB12CD34", "--w2",
                (out_ / "w2.pdf").string(), "--dir", folder_.path()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("employer, EIN: missing"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("nossn, Social Security number: missing"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(file));
    EXPECT_FALSE(fs::exists(out_ / "w2.pdf"));
}

}  // namespace
}  // namespace corvanta::testing
