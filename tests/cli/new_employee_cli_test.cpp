// Employees are made only on purpose: a mistyped --user is refused, `new` makes one as File,
// New does, and the register lists only employees.
#include <gtest/gtest.h>

#include "session/files/employee_name.h"
#include "session/files/period_snapshot.h"
#include "support/cli_runner.h"
#include "support/cli_session.h"
#include "support/folder_bytes.h"
#include "support/temp_folder.h"

namespace corvanta {
namespace {

using testing::folderBytes;
using testing::runCli;
using testing::TempFolder;

class NewEmployeeCli : public ::testing::Test {
  protected:
    void SetUp() override { folder.copyFederalTable(); }
    std::vector<std::string> in(std::vector<std::string> args) const {
        args.insert(args.end(), {"--dir", folder.path().string()});
        return args;
    }
    TempFolder folder;
};

struct TypoCase {
    const char* name;
    std::vector<std::string> args;
};

void PrintTo(const TypoCase& c, std::ostream* os) { *os << c.name; }

class MistypedUserTest : public NewEmployeeCli, public ::testing::WithParamInterface<TypoCase> {};

// Before, each of these made "Nguyn" with the default rate, and calc posted the week for him.
TEST_P(MistypedUserTest, IsRefusedAndNothingIsMade) {
    ASSERT_EQ(runCli(in({"new", "Nguyen"})).exitCode, 0);
    const auto before = folderBytes(folder.path());
    std::vector<std::string> args = GetParam().args;
    args.insert(args.begin() + 1, {"--user", "Nguyn"});
    const auto r = runCli(in(args));
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_NE(r.err.find("There is no employee Nguyn"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("corvanta-cli new Nguyn"), std::string::npos) << r.err;
    EXPECT_EQ(folderBytes(folder.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    EveryCommand, MistypedUserTest,
    ::testing::Values(TypoCase{"CalcAndPost", {"calc", "--straight", "40", "--post", "2"}},
                      TypoCase{"Ledger", {"ledger"}},
                      TypoCase{"Stub", {"stub", "--straight", "40", "--force", "--text"}},
                      TypoCase{"Check", {"check", "--straight", "40", "--force", "--text"}},
                      TypoCase{"Report", {"report", "--text"}},
                      TypoCase{"Export", {"export", "--xlsx", "out.xlsx"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NewEmployeeCli, NewMakesTheEmployeeAsTheSessionsNewDoes) {
    const auto r = runCli(in({"new", "Jane Doe"}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Jane Doe"), std::string::npos) << r.out;
    TempFolder other;
    other.copyFederalTable();
    testing::CliSession session(other.path());
    ASSERT_EQ(session.run("new \"Jane Doe\"")["exit"], 0);
    session.finish();
    auto made = folderBytes(folder.path());
    auto bySession = folderBytes(other.path());
    for (auto* files : {&made, &bySession}) {
        for (auto it = files->begin(); it != files->end();) {
            const bool hers = it->first.rfind("Jane Doe", 0) == 0 && !it->first.ends_with(".lck");
            it = hers ? std::next(it) : files->erase(it);
        }
    }
    EXPECT_FALSE(made.empty());
    EXPECT_EQ(made, bySession);
    // Now she is there for every command.
    EXPECT_EQ(runCli(in({"calc", "--user", "Jane Doe", "--straight", "40"})).exitCode, 0);
}

struct RefusedNewCase {
    const char* name;
    std::string employee;
    const char* says;
};

void PrintTo(const RefusedNewCase& c, std::ostream* os) { *os << c.name; }

class RefusedNewTest : public NewEmployeeCli,
                       public ::testing::WithParamInterface<RefusedNewCase> {};

TEST_P(RefusedNewTest, ChangesNothing) {
    ASSERT_EQ(runCli(in({"new", "Smith"})).exitCode, 0);
    const auto before = folderBytes(folder.path());
    const auto r = runCli(in({"new", GetParam().employee}));
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_NE(r.err.find(GetParam().says), std::string::npos) << r.err;
    EXPECT_EQ(folderBytes(folder.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Names, RefusedNewTest,
    ::testing::Values(RefusedNewCase{"Existing", "Smith", "already exists"},
                      RefusedNewCase{"Slash", "a/b", "cannot be used"},
                      RefusedNewCase{"Empty", "", "name"},
                      // Hidden from the open dialog once made.
                      RefusedNewCase{"Hidden", ".Smith", "starting with \".\""},
                      // Every save would fail: the saved period's file name would be too long.
                      RefusedNewCase{"TooLong", std::string(longestEmployeeName() + 1, 'x'),
                                     "too long"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NewEmployeeCli, TheLongestNameTakesEveryFileOfTheGroup) {
    const std::string name(longestEmployeeName(), 'x');
    ASSERT_EQ(runCli(in({"new", name})).exitCode, 0);
    const auto r = runCli(
        in({"calc", "--user", name, "--straight", "40", "--week", "12/31/2008", "--post", "1"}));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    PayrollContext ctx = folder.context();
    ctx.UserFileBase = name;
    ctx.window.txtWeek = "12/31/2008";
    ctx.window.txtAmount = {"40", "", "", "", "", "", "", ""};
    EXPECT_NO_THROW(SavePeriodSnapshot(ctx));
}

TEST_F(NewEmployeeCli, NewTakesExactlyOneName) {
    EXPECT_EQ(runCli(in({"new"})).exitCode, 2);
    EXPECT_EQ(runCli(in({"new", "A", "B"})).exitCode, 2);
    const auto help = runCli({"new", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--dir"), std::string::npos);
}

// Files of a group without its ".use" (left by hand or by another program) are no employee.
TEST_F(NewEmployeeCli, TheRegisterListsOnlyEmployees) {
    ASSERT_EQ(runCli(in({"new", "Smith"})).exitCode, 0);
    ASSERT_EQ(runCli(in({"calc", "--user", "Smith", "--straight", "40", "--week", "1/5/2008",
                         "--post", "1"}))
                  .exitCode,
              0);
    std::filesystem::copy_file(folder / "Smith.yrw", folder / "Stray.yrw");
    std::filesystem::copy_file(folder / "Smith.and", folder / "Stray.and");
    std::filesystem::create_directory(folder / "Folder.use");
    const auto r = runCli(in({"register", "--week", "1/5/2008", "--json"}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Smith"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("Stray"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("Folder"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace corvanta
