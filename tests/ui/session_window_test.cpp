#include <gtest/gtest.h>

#include <QDate>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <map>

#include "session/core/calculate.h"
#include "support/temp_folder.h"
#include "ui/calculator_window.h"
#include "ui_support.h"

namespace corvanta::ui {
namespace {

using corvanta::testing::MessageBoxAnswerer;
using corvanta::testing::ScriptedPrompts;
using corvanta::testing::TempFolder;

std::string today() { return QDate::currentDate().toString("M/d/yyyy").toStdString(); }

std::map<std::string, std::string> filesIn(const TempFolder& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        const std::string name = entry.path().filename().string();
        files[name] = folder.read(name);
    }
    return files;
}

struct ScriptedForm {
    explicit ScriptedForm(PayrollContext& ctx) {
        auto owned = std::make_unique<ScriptedPrompts>();
        prompts = owned.get();
        form = std::make_unique<CalculatorForm>(ctx, std::move(owned));
        form->show();
    }
    QLineEdit* box(int i) { return form->findChild<QLineEdit*>(QString("txtAmount%1").arg(i)); }
    ScriptedPrompts* prompts;
    std::unique_ptr<CalculatorForm> form;
};

TEST(SessionWindow, NewWithAnExistingNameChangesNothing) {
    TempFolder folder;
    folder.copyFederalTable();
    folder.write("Smith.use", "");
    PayrollContext ctx = folder.context();
    ScriptedForm f(ctx);
    f.prompts->yesNo = {false};
    f.prompts->texts = {std::string("Smith")};
    f.form->newEmployee();
    ASSERT_EQ(f.prompts->messages.size(), 1u);
    EXPECT_EQ(f.prompts->messages[0].text, "........Smith already exists. Use Open");
    EXPECT_EQ(f.prompts->questions[0], "Save?|........SAVE PREVIOUS USER?");
    EXPECT_EQ(f.form->windowTitle(), "QUORVELL SOFTWARE");
    EXPECT_EQ(f.form->findChild<QLabel*>("lbUser")->text(), "USER");
    EXPECT_EQ(ctx.UserFileBase, "");
    EXPECT_EQ(folder.read("Smith.use"), "");
}

TEST(SessionWindow, OpenFromAnotherFolderMakesThatFolderCurrent) {
    TempFolder start, other;
    start.copyFederalTable();
    other.copyFederalTable();
    {
        PayrollContext e = other.context();
        ScriptedPrompts p;
        p.texts = {std::string("Brown")};
        Session(e, p, [] { return today(); }).New();
    }
    PayrollContext ctx = start.context();
    ScriptedForm f(ctx);
    f.prompts->files = {other / "Brown.use"};
    f.form->openEmployee();
    EXPECT_EQ(f.form->windowTitle(), "  User:  Brown");
    EXPECT_EQ(f.form->findChild<QLabel*>("lbUser")->text(), "Brown");
    EXPECT_EQ(ctx.folder, other.path());
    f.box(0)->setText("40");
    f.form->calculate();
    EXPECT_TRUE(other.exists("Brown.sta"));
    EXPECT_FALSE(start.exists("Brown.use"));
}

TEST(SessionWindow, ExitAnsweredNoWritesNothing) {
    TempFolder folder;
    folder.copyFederalTable();
    PayrollContext ctx = folder.context();
    CalculatorForm form(ctx);  // real message boxes
    form.show();
    form.findChild<QLineEdit*>("txtAmount0")->setText("40");
    MessageBoxAnswerer answerer({QMessageBox::No});
    form.exitProgram();
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].title, "Save?");
    EXPECT_EQ(answerer.seen()[0].text, "     SAVE USER'S SETTINGS?");
    EXPECT_EQ(answerer.seen()[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(form.programEnded());
    EXPECT_EQ(filesIn(folder).size(), 1u);  // the federal table only
}

TEST(SessionWindow, NewAskedThroughRealBoxesRefusesAnExistingName) {
    TempFolder folder;
    folder.copyFederalTable();
    folder.write("Smith.use", "");
    PayrollContext ctx = folder.context();
    CalculatorForm form(ctx);
    form.show();
    MessageBoxAnswerer answerer({QMessageBox::No, QMessageBox::Ok});
    QTimer::singleShot(150, [] {
        auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(input, nullptr);
        EXPECT_EQ(input->windowTitle(), "File New");
        EXPECT_EQ(input->labelText(), "Enter new user:");
        input->setTextValue("Smith");
        input->accept();
    });
    form.newEmployee();
    ASSERT_EQ(answerer.seen().size(), 2u);
    EXPECT_EQ(answerer.seen()[0].text, "........SAVE PREVIOUS USER?");
    EXPECT_EQ(answerer.seen()[1].text, "........Smith already exists. Use Open");
    EXPECT_EQ(answerer.seen()[1].icon, QMessageBox::Warning);
    EXPECT_EQ(answerer.seen()[1].buttons, QMessageBox::Ok);
}

// New, hours, Calculate, Save, Exit through the window leaves the files the engine writes.
TEST(SessionWindow, AScriptedSessionWritesWhatTheEngineWrites) {
    TempFolder gui, engine;
    gui.copyFederalTable();
    engine.copyFederalTable();
    {
        PayrollContext ctx = gui.context();
        ScriptedForm f(ctx);
        f.prompts->yesNo = {false, false};
        f.prompts->texts = {std::string("Jones")};
        f.prompts->saveWindows = {{SaveChoice::Save, "Jones"}};
        f.form->newEmployee();
        f.box(0)->setFocus();
        QTest::keyClicks(f.box(0), "40");
        QTest::keyClicks(f.box(3), "2.5");
        QTest::mouseClick(f.form->findChild<QPushButton*>("cmdCal"), Qt::LeftButton);
        f.form->saveEmployee();
        f.form->exitProgram();
        EXPECT_TRUE(f.form->programEnded());
    }
    {
        PayrollContext ctx = engine.context();
        ScriptedPrompts p;
        p.yesNo = {false, false};
        p.texts = {std::string("Jones")};
        p.saveWindows = {{SaveChoice::Save, "Jones"}};
        Session session(ctx, p, [] { return today(); });
        session.New();
        ctx.window.txtAmount[0] = "40";
        ctx.window.txtAmount[3] = "2.5";
        Calcu_late(ctx);
        session.Save();
        session.Exit();
    }
    const auto written = filesIn(gui);
    EXPECT_EQ(written, filesIn(engine));
    EXPECT_TRUE(written.count("Jones.use") == 1 && written.count("Jones.sta") == 1);
}

}  // namespace
}  // namespace corvanta::ui
