// The window's Open on an employee another program holds: the real message box names the
// holder and asks whether to open her read only or not at all.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "session/files/employee_hold.h"
#include "support/folder_bytes.h"
#include "support/temp_folder.h"
#include "ui/calculator_window.h"
#include "ui/gui_prompts.h"
#include "ui_support.h"

namespace corvanta::ui {
namespace {

using corvanta::testing::folderBytes;
using corvanta::testing::MessageBoxAnswerer;
using corvanta::testing::ScriptedPrompts;
using corvanta::testing::SeenBox;
using corvanta::testing::TempFolder;
using corvanta::testing::triggerAction;

// Real boxes, except that the open dialog chooses the given file and the save window is left
// with No.
class ChoosingPrompts : public GuiPrompts {
  public:
    ChoosingPrompts(QWidget* parent, const PayrollContext& ctx, std::filesystem::path file)
        : GuiPrompts(parent, ctx), file_(std::move(file)) {}
    std::optional<std::filesystem::path> chooseFile(const std::string&) override { return file_; }
    SaveWindowAnswer showSaveWindow(const std::string& name) override {
        return {SaveChoice::No, name};
    }

  private:
    std::filesystem::path file_;
};

class SharedFolderWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.copyFederalTable();
        {
            PayrollContext made = folder.context();
            ScriptedPrompts p;
            p.texts = {std::string("Jane Doe")};
            Session(made, p, [] { return std::string("1/4/2008"); }).New();
        }
        // Another clerk's program has her open.
        other = LockFile::tryAcquire(folder / "Jane Doe.lck");
        ASSERT_TRUE(other.lock);
    }

    // Open through the File menu, the message box answered with `answer`.
    std::vector<SeenBox> openHeld(CalculatorForm& form, QMessageBox::StandardButton answer) {
        MessageBoxAnswerer answerer({answer});
        EXPECT_TRUE(triggerAction(&form, "mnuOpen"));
        return answerer.seen();
    }

    TempFolder folder;
    LockFile::Attempt other;
    const std::string inUse = inUseMessage("Jane Doe", thisProcess());
};

TEST_F(SharedFolderWindow, YesOpensHerReadOnlyAndCalculateShowsTheMessage) {
    PayrollContext ctx = folder.context();
    CalculatorForm form(ctx,
                        std::make_unique<ChoosingPrompts>(nullptr, ctx, folder / "Jane Doe.use"));
    form.show();
    const auto seen = openHeld(form, QMessageBox::Yes);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, "Open");
    // The box shows the CR LF line ends as plain line breaks.
    QString asked = QString::fromStdString(inUse + "\r\n" + SessionPrompts::kOpenReadOnlyQuestion);
    EXPECT_EQ(seen[0].text, asked.replace("\r\n", "\n"));
    EXPECT_EQ(seen[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(form.windowTitle(), "  User:  Jane Doe");
    EXPECT_EQ(form.findChild<QLabel*>("lbUser")->text(), "Jane Doe");

    const auto before = folderBytes(folder.path());
    auto* hours = form.findChild<QLineEdit*>("txtAmount0");
    ASSERT_NE(hours, nullptr);
    QTest::keyClicks(hours, "40");
    MessageBoxAnswerer refusal({QMessageBox::Ok});
    QTest::mouseClick(form.findChild<QPushButton*>("cmdCal"), Qt::LeftButton);
    ASSERT_EQ(refusal.seen().size(), 1u);
    EXPECT_EQ(refusal.seen()[0].text.toStdString(), inUse);
    EXPECT_EQ(folderBytes(folder.path()), before);
}

TEST_F(SharedFolderWindow, NoOpensNothing) {
    PayrollContext ctx = folder.context();
    CalculatorForm form(ctx,
                        std::make_unique<ChoosingPrompts>(nullptr, ctx, folder / "Jane Doe.use"));
    form.show();
    const QString title = form.windowTitle();
    ASSERT_EQ(openHeld(form, QMessageBox::No).size(), 1u);
    EXPECT_EQ(form.windowTitle(), title);
    EXPECT_EQ(ctx.UserFileBase, "");
    EXPECT_FALSE(ctx.hold.readOnly());
}

}  // namespace
}  // namespace corvanta::ui
