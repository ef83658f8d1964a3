#include "session/files/session.h"

#include <gtest/gtest.h>

#include "session/core/calculate.h"
#include "session/files/employee_name.h"
#include "session/ytd/ledger_file.h"
#include "session/ytd/ledger_ops.h"
#include "support/folder_bytes.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

namespace corvanta {
namespace {

using testing::TempFolder;

using testing::ScriptedPrompts;

class SessionTest : public ::testing::Test {
  protected:
    SessionTest() { dir.copyFederalTable(); }
    Session session(PayrollContext& ctx) {
        return Session(ctx, prompts, [] { return std::string("1/5/2008"); });
    }
    void newEmployee(PayrollContext& ctx, const std::string& name) {
        prompts.yesNo.push_back(false);
        prompts.texts.push_back(name);
        ASSERT_EQ(session(ctx).New(), SessionOutcome::Continue);
    }

    TempFolder dir;
    ScriptedPrompts prompts;
};

TEST_F(SessionTest, NewCalculatePostSaveThenOpenGivesTheSameEmployee) {
    PayrollContext ctx = dir.context();
    newEmployee(ctx, "Smith");
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{kSavePreviousQuestion, kNewUserPrompt}));
    EXPECT_EQ(ctx.window.caption, "Smith");
    for (const char* ext : {".use", ".and", ".cfe", ".ovw", ".hol", ".sta", ".cti", ".nci"}) {
        EXPECT_TRUE(dir.exists(std::string("Smith") + ext)) << ext;
    }
    ctx.profile.HourlyRate = 20;
    ctx.profile.EmployeeName = "John Smith";
    SaveUserFiles(ctx);  // the employee dialog's save, before the next calculation reads them
    ctx.window.txtAmount[0] = "40";
    ctx.window.txtWeek = "1/5/2008";
    Calcu_late(ctx);
    PasteMe(ctx, 0);
    Update(ctx);
    AddAnnual(ctx);
    SaveAnnual(ctx);
    EXPECT_TRUE(dir.exists("Smith.yrw"));

    PayrollContext fresh = dir.context();
    prompts.files.push_back(dir.path() / "Smith.use");
    ASSERT_EQ(session(fresh).Open(), SessionOutcome::Continue);
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messages.front().text;
    EXPECT_EQ(fresh.UserFileBase, "Smith");
    EXPECT_EQ(fresh.window.caption, "  User:  Smith");
    EXPECT_EQ(fresh.ledger.totals.YtdGross, Currency::fromDouble(800));
    EXPECT_EQ(fresh.ledger.totals.YtdNet, ctx.ledger.totals.YtdNet);
    EXPECT_FLOAT_EQ(fresh.ledger.totals.YtdFederal, ctx.ledger.totals.YtdFederal);
    EXPECT_EQ(fresh.ledger.rows[0].WeekLabel, "1/5/2008");
    EXPECT_FLOAT_EQ(fresh.profile.HourlyRate, 20.0f);
    EXPECT_EQ(fresh.profile.EmployeeName, "John Smith");
    EXPECT_EQ(fresh.state.SingleTable[0].MinRange, ctx.state.SingleTable[0].MinRange);
}

TEST_F(SessionTest, NewWithAnExistingNameChangesNothing) {
    PayrollContext ctx = dir.context();
    newEmployee(ctx, "Smith");
    newEmployee(ctx, "Jones");
    ctx.profile.HourlyRate = 33;
    const std::string smithUse = dir.read("Smith.use");
    newEmployee(ctx, "Smith");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "........Smith already exists. Use Open");
    EXPECT_EQ(ctx.UserFileBase, "Jones");
    EXPECT_FLOAT_EQ(ctx.profile.HourlyRate, 33.0f);
    // A later save writes the data in memory under the current name only.
    prompts.saveWindows.push_back({SaveChoice::Save, ctx.UserFileBase});
    session(ctx).Save();
    EXPECT_EQ(dir.read("Smith.use"), smithUse);
}

TEST_F(SessionTest, UnusableNamesAreRefused) {
    PayrollContext ctx = dir.context();
    for (const char* bad : {"../x", "a/b", "a\\b", "..", "a\tb", "a:b", "a?b"}) {
        prompts.messages.clear();
        newEmployee(ctx, bad);
        ASSERT_EQ(prompts.messages.size(), 1u) << bad;
        EXPECT_NE(prompts.messages[0].text.find("cannot be used"), std::string::npos);
        EXPECT_EQ(ctx.UserFileBase, "");
    }
    EXPECT_FALSE(dir.exists(".use"));
}

// A name starting with "." was made and then hidden from the open dialog; a name too long for
// the saved period's file was made, and every save failed saying the disk copy was unchanged.
TEST_F(SessionTest, NamesNoGroupCanBeMadeUnderAreRefusedByNewAndSave) {
    PayrollContext ctx = dir.context();
    const std::string tooLong(longestEmployeeName() + 1, 'x');
    for (const std::string& bad : {std::string(".Smith"), tooLong}) {
        prompts.messages.clear();
        newEmployee(ctx, bad);
        ASSERT_EQ(prompts.messages.size(), 1u) << bad;
        EXPECT_EQ(ctx.UserFileBase, "");
        prompts.messages.clear();
        EXPECT_FALSE(session(ctx).saveAs(bad));
        ASSERT_EQ(prompts.messages.size(), 1u) << bad;
    }
    EXPECT_NE(prompts.messages[0].text.find("too long"), std::string::npos);
    EXPECT_EQ(testing::folderBytes(dir.path()).size(), 1u);  // the federal table alone
    const std::string longest(longestEmployeeName(), 'x');
    newEmployee(ctx, longest);
    EXPECT_EQ(ctx.UserFileBase, longest);
    EXPECT_TRUE(dir.exists(longest + ".use"));
}

TEST_F(SessionTest, CancelledNameStartsTheDefaultGroup) {
    PayrollContext ctx = dir.context();
    prompts.yesNo.push_back(false);
    prompts.texts.push_back(std::nullopt);
    session(ctx).New();
    EXPECT_TRUE(dir.exists(".use"));
    EXPECT_TRUE(dir.exists(".hol"));
}

TEST_F(SessionTest, NewClearsThePreviousEmployee) {
    PayrollContext ctx = dir.context();
    ctx.ledger.rows[40].Gross = 5000;
    ctx.ledger.totals.YtdGross = Currency::fromDouble(5000);
    ctx.leave.VacationStart = 8;
    ctx.overtime.WeekOvertime[51] = "77";
    ctx.profile.HourlyRate = 50;
    newEmployee(ctx, "Brown");
    EXPECT_EQ(ctx.ledger.totals.YtdGross, Currency{});
    EXPECT_FLOAT_EQ(ctx.leave.VacationStart, 0.0f);
    EXPECT_EQ(ctx.overtime.WeekOvertime[51], "0");
    EXPECT_FLOAT_EQ(ctx.overtime.AnnualSalary, 11440.0f);
    EXPECT_FLOAT_EQ(ctx.profile.HourlyRate, 0.0f);
    EXPECT_FLOAT_EQ(ctx.result.GrossPay, 0.0f);
}

TEST_F(SessionTest, ExitAnsweredNoWritesNothing) {
    PayrollContext ctx = dir.context();
    prompts.yesNo.push_back(false);
    EXPECT_EQ(session(ctx).Exit(), SessionOutcome::EndProgram);
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{kSaveSettingsQuestion}));
    EXPECT_TRUE(prompts.shownNames.empty());
    EXPECT_FALSE(dir.exists(".use"));
}

TEST_F(SessionTest, QuitInTheSaveWindowEndsOpen) {
    PayrollContext ctx = dir.context();
    prompts.saveWindows.push_back({SaveChoice::Quit, ""});
    EXPECT_EQ(session(ctx).Open(), SessionOutcome::EndProgram);
    EXPECT_FALSE(dir.exists(".use"));
}

TEST_F(SessionTest, DamagedEmployeeIsReportedAndTheCurrentOneKept) {
    PayrollContext ctx = dir.context();
    newEmployee(ctx, "Smith");
    ctx.profile.HourlyRate = 21;
    dir.write("Bad.use", "1,2\r\n");
    prompts.files.push_back(dir.path() / "Bad.use");
    session(ctx).Open();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.messages[0].text.find("Bad.use"), std::string::npos);
    EXPECT_EQ(ctx.UserFileBase, "Smith");
    EXPECT_FLOAT_EQ(ctx.profile.HourlyRate, 21.0f);
    EXPECT_EQ(dir.read("Bad.use"), "1,2\r\n");
}

TEST_F(SessionTest, FailedSaveIsReportedAndTheWindowStaysOpen) {
    PayrollContext ctx = dir.context();
    std::filesystem::create_directory(dir.path() / "Smith.use");  // cannot be replaced by a file
    prompts.saveWindows.push_back({SaveChoice::Save, "Smith"});
    prompts.saveWindows.push_back({SaveChoice::No, "Smith"});
    session(ctx).Save();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.messages[0].text.find("Smith.use"), std::string::npos);
    EXPECT_EQ(prompts.shownNames.size(), 2u);
}

}  // namespace
}  // namespace corvanta
