// Two programs on one folder: a session holding an employee as a process of its own, and
// other processes trying to calculate, post, save, run the payroll or restore over her.
#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

#include "base/files/lock_file.h"
#include "session/files/session.h"
#include "support/cli_runner.h"
#include "support/cli_session.h"
#include "support/folder_bytes.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

namespace corvanta::testing {
namespace {

namespace fs = std::filesystem;

// "Jane Doe is in use by USER on HOST since HH:MM." for a holder on this machine.
std::regex inUsePattern(const std::string& name) {
    const LockHolder me = thisProcess();
    return std::regex(name + " is in use by " + me.user + " on " + me.host +
                      " since [0-9]{2}:[0-9]{2}\\.");
}

bool saysInUse(const std::string& text, const std::string& name) {
    return std::regex_search(text, inUsePattern(name));
}

class SharedFolderCli : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.copyFederalTable();
        makeWithNew(folder.path(), {"Jane Doe", "Bob"});
    }
    std::vector<std::string> on(std::vector<std::string> args) const {
        args.insert(args.end(), {"--dir", folder.path().string()});
        return args;
    }

    TempFolder folder;
};

TEST_F(SharedFolderCli, WritingCommandsOnAHeldEmployeeAreRefusedAndReadingOnesRun) {
    CliSession holder(folder.path());
    ASSERT_EQ(holder.run("open \"Jane Doe\"")["exit"], 0);
    ASSERT_TRUE(folder.exists("Jane Doe.lck"));
    const auto before = folderBytes(folder.path());
    struct Case {
        std::vector<std::string> args;
        int exit;
    };
    const std::vector<Case> cases = {
        {{"calc", "--user", "Jane Doe", "--straight", "40"}, 1},
        {{"calc", "--user", "Jane Doe", "--straight", "40", "--post", "1"}, 1},
        {{"calc", "--user", "Jane Doe", "--no-save", "--post", "1"}, 1},
        {{"stub", "--user", "Jane Doe", "--save", "--force", "--text"}, 1},
        {{"check", "--user", "Jane Doe", "--post", "2", "--force", "--text"}, 1},
        {{"calc", "--user", "Jane Doe", "--straight", "40", "--no-save"}, 0},
        {{"ledger", "--user", "Jane Doe"}, 0},
        {{"report", "--user", "Jane Doe", "--text"}, 0},
        {{"stub", "--user", "Jane Doe", "--force", "--text"}, 0},
        {{"calc", "--user", "Bob", "--straight", "38", "--no-save"}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args.back());
        const CliResult r = runCli(on(c.args));
        EXPECT_EQ(r.exitCode, c.exit) << r.err;
        EXPECT_EQ(saysInUse(r.err, "Jane Doe"), c.exit == 1) << r.err;
        if (c.exit == 1) {
            EXPECT_EQ(r.out, "");  // refused before any figure is shown
        }
    }
    EXPECT_EQ(folderBytes(folder.path()), before);
    // Another employee is free to write meanwhile.
    EXPECT_EQ(runCli(on({"calc", "--user", "Bob", "--straight", "38"})).exitCode, 0);
}

TEST_F(SharedFolderCli, ASecondSessionOpensHerReadOnlyUntilTheFirstLetsHerGo) {
    CliSession holder(folder.path());
    CliSession other(folder.path());
    ASSERT_EQ(holder.run("open \"Jane Doe\"")["exit"], 0);

    auto opened = other.run("open \"Jane Doe\"");
    EXPECT_EQ(opened["exit"], 0);
    EXPECT_TRUE(saysInUse(opened["stderr"], "Jane Doe")) << opened["stderr"];
    const std::vector<std::pair<std::string, int>> commands = {
        {"calc --straight 40", 1},
        {"calc --straight 40 --no-save", 0},
        {"save", 1},
        {"ledger", 0},
        {"calc --no-save --post 3", 1},
    };
    for (const auto& [line, exit] : commands) {
        const auto answer = other.run(line);
        EXPECT_EQ(answer["exit"], exit) << line << ": " << answer["stderr"];
        EXPECT_EQ(saysInUse(answer["stderr"], "Jane Doe"), exit == 1) << line;
    }

    ASSERT_EQ(holder.run("open Bob")["exit"], 0);  // lets Jane go
    EXPECT_FALSE(folder.exists("Jane Doe.lck"));
    opened = other.run("open \"Jane Doe\"");
    EXPECT_EQ(opened["exit"], 0);
    EXPECT_EQ(opened["stderr"], "");
    EXPECT_EQ(other.run("calc --straight 40 --week 1/5/2008 --post 1")["exit"], 0);
    EXPECT_EQ(holder.finish(), 0);
    EXPECT_EQ(other.finish(), 0);
    EXPECT_FALSE(folder.exists("Jane Doe.lck"));
    EXPECT_FALSE(folder.exists("Bob.lck"));
}

TEST_F(SharedFolderCli, APayRunOverAHeldEmployeeIsRefusedWhole) {
    folder.write("hours.csv", "employee,straight\r\nBob,38\r\nJane Doe,40\r\n");
    CliSession holder(folder.path());
    ASSERT_EQ(holder.run("open \"Jane Doe\"")["exit"], 0);
    const auto before = folderBytes(folder.path());
    const CliResult r =
        runCli(on({"run", "--hours", (folder / "hours.csv").string(), "--week", "1/4/2008"}));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("The pay run was refused; no file was written."), std::string::npos);
    EXPECT_NE(r.err.find("line 3, Jane Doe, in use: "), std::string::npos) << r.err;
    EXPECT_TRUE(saysInUse(r.err, "Jane Doe")) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(folderBytes(folder.path()), before);
    EXPECT_FALSE(fs::exists(folder / "Backups"));
    EXPECT_FALSE(folder.exists("Bob.lck"));  // the run let the others go
}

TEST_F(SharedFolderCli, BackupsLeaveLockFilesOutAndARestoreWaitsForTheHolder) {
    CliSession holder(folder.path());
    ASSERT_EQ(holder.run("open \"Jane Doe\"")["exit"], 0);
    const std::string archive = (folder / "b.tar.gz").string();
    ASSERT_EQ(runCli(on({"backup", "--to", archive})).exitCode, 0);
    std::string listing;
    if (FILE* tar = ::popen(("tar -tzf " + shellQuote(archive)).c_str(), "r")) {
        for (int c; (c = std::fgetc(tar)) != EOF;) listing += static_cast<char>(c);
        ::pclose(tar);
    }
    EXPECT_NE(listing.find("Jane Doe.use"), std::string::npos) << listing;
    EXPECT_EQ(listing.find(".lck"), std::string::npos) << listing;

    const auto before = folderBytes(folder.path());
    const CliResult r = runCli(on({"backup", "--restore", archive, "--yes"}));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(saysInUse(r.err, "Jane Doe")) << r.err;
    EXPECT_EQ(folderBytes(folder.path()), before);
    holder.finish();
    EXPECT_EQ(runCli(on({"backup", "--restore", archive, "--yes"})).exitCode, 0);
}

TEST_F(SharedFolderCli, TheLockOfAKilledProcessIsTakenOverWithANote) {
    CliSession holder(folder.path());
    ASSERT_EQ(holder.run("open \"Jane Doe\"")["exit"], 0);
    holder.kill();
    ASSERT_TRUE(folder.exists("Jane Doe.lck"));  // left behind, but no process holds it
    const CliResult r = runCli(on({"calc", "--user", "Jane Doe", "--straight", "40"}));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("was taken over: that program is no longer running."), std::string::npos)
        << r.err;
    EXPECT_FALSE(folder.exists("Jane Doe.lck"));  // the command let her go when it ended
}

}  // namespace
}  // namespace corvanta::testing
