#include "session/state/state_defaults.h"

#include <gtest/gtest.h>

#include "session/local/local_files.h"
#include "session/state/state_dialog_commands.h"
#include "session/state/state_withholding.h"
#include "support/payroll_fixture.h"

namespace corvanta {
namespace {

using testing::PayrollFixture;

TEST_F(PayrollFixture, SaveWritesTheStateAndEmployeeFiles) {
    loadStateDialog(ctx);
    ctx.stateDialog.txtStateAdj = "2.5";
    saveStateDialog(ctx);
    EXPECT_FLOAT_EQ(ctx.state.StateAdjustment, 2.5f);
    EXPECT_TRUE(folder.exists("Test.sta"));
    EXPECT_TRUE(folder.exists("Test.and"));
    EXPECT_FALSE(ctx.loaded.stateDialog);
}

TEST_F(PayrollFixture, SaveRefusesACellThatIsNotANumberAndWritesNothing) {
    loadStateDialog(ctx);
    ctx.stateDialog.txtStateMinBS[2].text = "1-2";
    try {
        saveStateDialog(ctx);
        FAIL();
    } catch (const UserError& e) {
        EXPECT_STREQ(e.what(), "You have entered a NON numerial.");
    }
    EXPECT_FALSE(folder.exists("Test.sta"));
    EXPECT_TRUE(ctx.loaded.stateDialog);
}

TEST_F(PayrollFixture, MakeDefaultWritesBothGroupsAndKeepsTheEmployee) {
    loadStateDialog(ctx);
    selectStateMethod(ctx, StateMethodId::Oregon);
    makeStateDefault(ctx);
    EXPECT_EQ(ctx.UserFileBase, "Test");
    for (const char* ext : {".use", ".and", ".cfe", ".ovw", ".sta", ".cti", ".nci", ".hol"}) {
        EXPECT_TRUE(folder.exists(ext)) << ext;
    }
    EXPECT_EQ(folder.read(".sta"), folder.read("Test.sta"));

    PayrollContext other;
    other.folder = ctx.folder;
    ASSERT_TRUE(getDefaultStateFile(other));
    EXPECT_EQ(other.state.UseOregon, 1);
}

TEST_F(PayrollFixture, MakeDefaultBeforeAnyEmployeeWritesOnlyTheDefaultGroup) {
    ctx.UserFileBase.clear();
    ctx.window.lbUser = "USER";
    loadStateDialog(ctx);
    makeStateDefault(ctx);
    EXPECT_EQ(ctx.UserFileBase, "");
    EXPECT_FALSE(folder.exists("USER.use"));
    EXPECT_TRUE(folder.exists(".use"));
}

TEST_F(PayrollFixture, LocalDialogSavesRefuseBadBoxes) {
    loadCityDialog(ctx);
    ctx.cityDialog.txtCityAmtBS[1] = "abc";
    EXPECT_THROW(saveCityDialog(ctx), UserError);
    EXPECT_FALSE(folder.exists("Test.cti"));
    ctx.cityDialog.txtCityAmtBS[1] = "6";
    saveCityDialog(ctx);
    EXPECT_FLOAT_EQ(ctx.city.SingleRows[1].Amount, 6);

    loadNonCityDialog(ctx);  // no file: the defaults fill every blank box
    EXPECT_FLOAT_EQ(ctx.nonCity.NonCityRate, 0.0045f);
    ctx.nonCityDialog.txtNonPer = "0.01";
    saveNonCityDialog(ctx);
    EXPECT_NE(folder.read("Test.nci").find("\r\n.01\r\n"), std::string::npos);
}

}  // namespace
}  // namespace corvanta
