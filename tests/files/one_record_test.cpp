// An employee is one record, read whole by one loader: whatever reads her (the start, Open,
// the register) sees the same settings, and a command that is refused changes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/files/file_io.h"
#include "session/core/calculate.h"
#include "session/files/employee_hold.h"
#include "session/files/open_employee.h"
#include "session/files/session.h"
#include "session/payroll/payroll_folder.h"
#include "support/folder_bytes.h"
#include "support/payroll_fixture.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

namespace corvanta {
namespace {

using testing::ScriptedPrompts;
using testing::TempFolder;

std::string fileBytes(const std::filesystem::path& path) {
    return readFileIfExists(path).value_or("<missing>");
}

class OneRecordTest : public ::testing::Test {
  protected:
    OneRecordTest() {
        dir.copyFederalTable();
        ctx.folder = dir.path();
        ctx.durableWrites = false;
    }
    Session session() {
        return Session(ctx, prompts, [] { return std::string("1/5/2008"); });
    }
    void calculateStraight(const char* hours) {
        ctx.window.txtAmount = {hours, "", "", "", "", "", "", ""};
        ctx.window.txtWeek = "1/5/2008";
        Calcu_late(ctx);
    }

    TempFolder dir;
    PayrollContext ctx;
    ScriptedPrompts prompts;
};

// The program starts on the default group; Ctrl+O, Save in the save window, Escape in the
// open dialog. The save used to write state and city tables nobody had read, all zeros.
TEST_F(OneRecordTest, SaveBeforeAnyOpenKeepsTheDefaultGroupsTaxTables) {
    startWithDefaultGroup(ctx);
    calculateStraight("40");  // the default group's files, with their tables
    const double stateTax = ctx.result.StateWithholding;
    const double cityTax = ctx.result.LocalTax;
    ASSERT_GT(stateTax, 0);
    ASSERT_GT(cityTax, 0);
    std::map<std::string, std::string> before;
    for (const char* ext : {".sta", ".cti", ".nci"}) before[ext] = fileBytes(dir.path() / ext);

    ctx = PayrollContext{};  // the next start of the program
    ctx.folder = dir.path();
    ctx.durableWrites = false;
    startWithDefaultGroup(ctx);
    prompts.saveWindows.push_back({SaveChoice::Save, ""});
    prompts.files.push_back(std::nullopt);
    session().Open();

    for (const char* ext : {".sta", ".cti", ".nci"}) {
        EXPECT_EQ(fileBytes(dir.path() / ext), before[ext]) << ext;
    }
    calculateStraight("40");
    EXPECT_DOUBLE_EQ(ctx.result.StateWithholding, stateTax);
    EXPECT_DOUBLE_EQ(ctx.result.LocalTax, cityTax);
}

// The register reads an employee as Open does: the exemptions kept in her state file count.
TEST_F(OneRecordTest, RegisterSeesTheExemptionsOfTheStateFile) {
    testing::makeWithNew(dir.path(), {"Ann"});
    ctx.showMessage = [](const UserMessage&) {};
    OpenEmployee(ctx, "Ann", "1/5/2008");
    ctx.profile.SocSecMedExempt = 1;
    ctx.profile.FedExempt = 1;
    SaveUserFiles(ctx);

    const EmployeeBooks books = readEmployeeBooks(dir.path(), "Ann");
    EXPECT_EQ(books.profile.SocSecMedExempt, 1);
    EXPECT_EQ(books.profile.FedExempt, 1);
}

// A damaged file of the employee being opened leaves the one open before as she was.
TEST_F(OneRecordTest, OpenThatCannotReadLeavesTheOpenEmployee) {
    testing::makeWithNew(dir.path(), {"Ann", "Bob"});
    OpenEmployee(ctx, "Ann", "1/5/2008");
    ctx.profile.HourlyRate = 12.5f;
    writeFileAtomically(dir.path() / "Bob.sta", "\"not a number\",\r\n", false);
    EXPECT_THROW(OpenEmployee(ctx, "Bob", "1/5/2008"), UserError);
    EXPECT_EQ(ctx.UserFileBase, "Ann");
    EXPECT_FLOAT_EQ(ctx.profile.HourlyRate, 12.5f);
}

// Open Fay, File, Save, type "Gus": his files are replaced only after a Yes to the question.
TEST_F(OneRecordTest, SaveUnderAnotherEmployeesNameAsksFirst) {
    testing::makeWithNew(dir.path(), {"Fay", "Gus"});
    OpenEmployee(ctx, "Gus", "1/5/2008");
    ctx.profile.HourlyRate = 31;
    SaveUserFiles(ctx);
    const std::string gus = fileBytes(dir.path() / "Gus.use");
    OpenEmployee(ctx, "Fay", "1/5/2008");
    ctx.hold = holdEmployee(dir.path(), "Fay", ctx.showMessage);

    prompts.saveWindows.push_back({SaveChoice::Save, "Gus"});
    prompts.yesNo.push_back(false);
    session().Save();
    EXPECT_EQ(fileBytes(dir.path() / "Gus.use"), gus);
    ASSERT_FALSE(prompts.questions.empty());
    EXPECT_EQ(prompts.questions.back(),
              "Save User|Gus already exists. Replace the files of Gus with these?");

    prompts.saveWindows.push_back({SaveChoice::Save, "Gus"});
    prompts.yesNo.push_back(true);
    session().Save();
    EXPECT_NE(fileBytes(dir.path() / "Gus.use"), gus);
}

struct TooLargeCase {
    const char* name;
    int box;
    const char* text;
};

void PrintTo(const TooLargeCase& c, std::ostream* os) { *os << c.name; }

class AmountTooLarge : public testing::PayrollFixture,
                       public ::testing::WithParamInterface<TooLargeCase> {};

// Hours that no money type can pay are the calculation's own refusal, naming the gross: the
// boxes, the profile and the files stay as they were.
TEST_P(AmountTooLarge, IsRefusedByTheCalculation) {
    ctx.profile.TipsRate = 2;
    ctx.profile.HourlyRate2 = 3;
    ctx.profile.CreditDeduction = 1.234f;
    std::array<const char*, kEntryBoxes> boxes{"", "", "", "", "", "", "", ""};
    boxes[GetParam().box] = GetParam().text;
    try {
        calculate(boxes);
        FAIL() << "calculated";
    } catch (const UserError& e) {
        EXPECT_NE(std::string(e.what()).find("too large"), std::string::npos) << e.what();
        EXPECT_EQ(e.title(), "Calculate");
    }
    EXPECT_EQ(ctx.window.txtAmount[GetParam().box], GetParam().text);
    EXPECT_FLOAT_EQ(ctx.profile.CreditDeduction, 1.234f);
    EXPECT_EQ(ctx.window.lbNet, "");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Test.use"));
}
INSTANTIATE_TEST_SUITE_P(
    OneRecord, AmountTooLarge,
    ::testing::Values(TooLargeCase{"StraightHours", 0, "100000000000000000000"},
                      TooLargeCase{"StraightHours2", 1, "1000000000000000000000000000000"},
                      TooLargeCase{"Overtime", 2, "100000000000000000000"},
                      TooLargeCase{"OvertimeAndHalf", 3, "10000000000000000000000000"},
                      TooLargeCase{"Holiday", 4, "100000000000000000000"},
                      TooLargeCase{"Vacation", 5, "100000000000000000000"},
                      TooLargeCase{"Dollars", 6, "900000000000000"},
                      TooLargeCase{"Tips", 7, "100000000000000000000000000000000000000"}),
    [](const ::testing::TestParamInfo<TooLargeCase>& info) { return info.param.name; });

}  // namespace
}  // namespace corvanta
