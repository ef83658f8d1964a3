// Check numbers through the command line: `check` numbering and recording every check it
// prints, `checks` listing, exporting and voiding them, `company --next-check`.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <regex>
#include <string>
#include <vector>

#include "support/cli_runner.h"

namespace corvanta::testing {
namespace {

class ChecksCli : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.copyFederalTable();
        for (const char* name : {"ann", "bo"}) ASSERT_EQ(run({"new", name}).exitCode, 0);
    }
    CliResult run(std::vector<std::string> args) {
        args.insert(args.begin() + 1, {"--dir", folder.path().string()});
        return runCli(args);
    }
    [[nodiscard]] std::vector<std::string> checkArgs(const std::string& user,
                                                     const std::string& week,
                                                     const std::string& hours = "40") const {
        return {CORVANTA_CLI, "check", "--dir",      folder.path().string(),
                "--user",     user,    "--straight", hours,
                "--week",     week,    "--text",     "--force"};
    }
    CliResult printCheck(const std::string& user, const std::string& week,
                         const std::string& hours = "40") {
        const auto args = checkArgs(user, week, hours);
        return runCli({args.begin() + 1, args.end()});
    }
    nlohmann::json checks() {
        const CliResult r = run({"checks", "--json"});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return nlohmann::json::parse(r.out);
    }
    TempFolder folder;
};

// The number printed under the date, or 0 when there is none.
long printedNumber(const std::string& text) {
    static const std::regex number(R"(\n {106}No\. ([0-9]+)\n)");
    std::smatch m;
    return std::regex_search(text, m, number) ? std::stol(m[1]) : 0;
}

std::string shellLine(const std::vector<std::string>& args, const std::string& out) {
    std::string line;
    for (const std::string& a : args) line += shellQuote(a) + " ";
    return line + ">" + shellQuote(out);
}

TEST_F(ChecksCli, NumbersRunOnAcrossProcessesPrintingAtOnceAndRestarts) {
    const CliResult first = printCheck("ann", "1/5/2008");
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(printedNumber(first.out), 1001) << first.out;
    // Two programs printing at the same moment never share a number.
    const CliResult both = runShell(
        "(" + shellLine(checkArgs("bo", "1/5/2008"), (folder / "bo.txt").string()) + " & " +
        shellLine(checkArgs("ann", "1/12/2008"), (folder / "ann.txt").string()) + " & wait)");
    ASSERT_EQ(both.exitCode, 0) << both.err;
    const long bo = printedNumber(folder.read("bo.txt"));
    const long ann = printedNumber(folder.read("ann.txt"));
    EXPECT_EQ(std::min(bo, ann), 1002);
    EXPECT_EQ(std::max(bo, ann), 1003);
    // A later program (a restart) goes on from the register.
    EXPECT_EQ(printedNumber(printCheck("bo", "1/12/2008").out), 1004);

    const nlohmann::json listed = checks();
    EXPECT_EQ(listed["file"], "Checks.sav");
    EXPECT_EQ(listed["nextNumber"], 1005);
    ASSERT_EQ(listed["checks"].size(), 4U);
    const nlohmann::json& c = listed["checks"][0];
    EXPECT_EQ(c["number"], 1001);
    EXPECT_EQ(c["employee"], "ann");
    EXPECT_EQ(c["week"], "1/5/2008");
    EXPECT_EQ(c["date"], "1/5/2008");
    EXPECT_EQ(c["state"], "issued");
    EXPECT_GT(c["amount"].get<double>(), 0);
    EXPECT_EQ(c["payee"], "Employee's Name");
}

TEST_F(ChecksCli, AReprintKeepsItsNumberAndAnotherAmountTakesANewOne) {
    ASSERT_EQ(printedNumber(printCheck("ann", "1/5/2008").out), 1001);
    const CliResult again = printCheck("ann", "1/5/2008");
    EXPECT_EQ(printedNumber(again.out), 1001);
    EXPECT_NE(again.err.find("reprint"), std::string::npos) << again.err;
    EXPECT_EQ(printedNumber(printCheck("ann", "1/5/2008", "30").out), 1002);
    const nlohmann::json listed = checks();
    ASSERT_EQ(listed["checks"].size(), 2U);
    EXPECT_EQ(listed["checks"][0]["state"], "reprint");
    EXPECT_EQ(listed["checks"][1]["state"], "issued");
}

TEST_F(ChecksCli, CsvListsEveryCheckUnderAHeading) {
    printCheck("ann", "1/5/2008");
    printCheck("bo", "1/5/2008");
    ASSERT_EQ(run({"checks", "--void", "1002"}).exitCode, 0);
    const CliResult r = run({"checks", "--csv", (folder / "checks.csv").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const nlohmann::json listed = checks();
    const auto amount = [&](int i) {
        char text[32];
        std::snprintf(text, sizeof text, "%.2f", listed["checks"][i]["amount"].get<double>());
        return std::string(text);
    };
    EXPECT_EQ(folder.read("checks.csv"),
              "Number,Date,Employee,Payee,Amount,Week,State\r\n"
              "1001,1/5/2008,ann,Employee's Name," +
                  amount(0) +
                  ",1/5/2008,issued\r\n"
                  "1002,1/5/2008,bo,Employee's Name," +
                  amount(1) + ",1/5/2008,void\r\n");
}

TEST_F(ChecksCli, VoidingZeroesTheLedgerRowOnlyWhenAsked) {
    for (const char* user : {"ann", "bo"}) {
        ASSERT_EQ(
            run({"calc", "--user", user, "--straight", "40", "--week", "1/5/2008", "--post", "1"})
                .exitCode,
            0);
        printCheck(user, "1/5/2008");
    }
    ASSERT_GT(run({"ledger", "--user", "ann"}).number("Gross"), 0);
    const std::string boLedger = run({"ledger", "--user", "bo"}).out;
    const CliResult plain = run({"checks", "--void", "1002"});
    EXPECT_EQ(plain.exitCode, 0) << plain.err;
    EXPECT_EQ(run({"ledger", "--user", "bo"}).out, boLedger);

    const CliResult zeroed = run({"checks", "--void", "1001", "--zero-ledger"});
    EXPECT_EQ(zeroed.exitCode, 0) << zeroed.err;
    EXPECT_NE(zeroed.out.find("Row 1 of ann's ledger"), std::string::npos) << zeroed.out;
    EXPECT_EQ(run({"ledger", "--user", "ann"}).number("Gross"), 0);

    // Both stay listed, void; a check void already is refused.
    const nlohmann::json listed = checks();
    ASSERT_EQ(listed["checks"].size(), 2U);
    EXPECT_EQ(listed["checks"][0]["state"], "void");
    EXPECT_EQ(listed["checks"][1]["state"], "void");
    EXPECT_EQ(run({"checks", "--void", "1001"}).exitCode, 1);
    // The week's check printed again is a new check.
    EXPECT_EQ(printedNumber(printCheck("ann", "1/5/2008").out), 1003);
}

TEST_F(ChecksCli, ADamagedRegisterIsNamedAndNoCheckIsPrintedOrRecorded) {
    const std::string damaged = "1002\r\n1001,\"1/5/2008\",\"ann\"\r\n";
    folder.write("Checks.sav", damaged);
    const CliResult r = printCheck("ann", "1/5/2008");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("\"Checks.sav\" is damaged: line 2"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"checks", "--json"}, {"checks", "--void", "1001"}}) {
        const CliResult listed = run(args);
        EXPECT_EQ(listed.exitCode, 1);
        EXPECT_NE(listed.err.find("Checks.sav"), std::string::npos) << listed.err;
    }
    EXPECT_EQ(folder.read("Checks.sav"), damaged);
}

TEST_F(ChecksCli, TheCompanysNextNumberStartsTheCountButNeverGoesBack) {
    const std::vector<std::string> company{
        "company", "--name", "Prairie Feed", "--street", "1 Main", "--city",   "Ames",
        "--state", "IA",     "--zip",        "50010",    "--ein",  "421234567"};
    std::vector<std::string> set = company;
    set.insert(set.end(), {"--next-check", "2500"});
    const CliResult r = run(set);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.number("nextCheckNumber"), 2500);
    EXPECT_EQ(printedNumber(printCheck("ann", "1/5/2008").out), 2500);
    EXPECT_EQ(run({"company"}).number("nextCheckNumber"), 2501);
    for (const char* refused : {"2500", "0", "12x", "123456789"}) {
        SCOPED_TRACE(refused);
        const CliResult bad = run({"company", "--next-check", refused});
        EXPECT_EQ(bad.exitCode, 1);
        EXPECT_NE(bad.err.find("check number"), std::string::npos) << bad.err;
    }
    EXPECT_EQ(run({"company", "--next-check", "3000"}).exitCode, 0);
    EXPECT_EQ(printedNumber(printCheck("bo", "1/5/2008").out), 3000);
}

TEST_F(ChecksCli, UsageErrors) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"checks"},
                                                 {"checks", "--json", "--void", "1"},
                                                 {"checks", "--json", "--zero-ledger"},
                                                 {"checks", "--void", "abc"}}) {
        EXPECT_EQ(run(args).exitCode, 2) << args.back();
    }
}

}  // namespace
}  // namespace corvanta::testing
