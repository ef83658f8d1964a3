// On a 1024x768 screen every window shows whole, at the size it asks for, with a long employee
// name, a long leave balance and each state method ticked; nothing jumps when a state is
// ticked, and every window opens within the screen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "support/temp_folder.h"
#include "ui/calculator_window.h"
#include "ui/employee_dialog.h"
#include "ui_support.h"

namespace corvanta::ui {
namespace {

using corvanta::testing::MessageBoxAnswerer;
using corvanta::testing::ScriptedPrompts;
using corvanta::testing::TempFolder;

// Room left on a 1024x768 screen by a title bar.
constexpr QSize kSmallScreen{1024, 768 - 32};

const QString kLongName =
    "Maximiliana Theodora Bartholomew-Worthington-Fitzgerald de la Cruz Juniors";  // 74

constexpr std::array kStateMethods{"ckAriz",     "ckLouis",  "ckIowa", "ckMissouri",
                                   "ckMass",     "ckOregon", "ckUtah", "ckAlabama",
                                   "ckKentucky", "ckWiscon", "ckNC"};

class SmallScreenFitTest : public ::testing::Test {
  protected:
    SmallScreenFitTest() : ctx(folder.context()) {
        folder.copyFederalTable();
        EXPECT_EQ(kLongName.size(), 74);
        ctx.window.lbUser = kLongName.toStdString();
        ctx.profile.EmployeeName = kLongName.toStdString();
        form = std::make_unique<CalculatorForm>(ctx, std::make_unique<ScriptedPrompts>());
        form->showContext();
        form->show();
    }
    QWidget* window(const char* name) {
        if (form->objectName() == name) return form.get();
        return form->findChild<QWidget*>(name);
    }

    TempFolder folder;
    PayrollContext ctx;
    std::unique_ptr<CalculatorForm> form;
};

// The window at the size it asks for, bounded by the small screen, shows no sideways bar.
void expectFitsWithoutSidewaysScrolling(QWidget* w, const std::string& when) {
    const std::string name = w->objectName().toStdString() + " " + when;
    const QSize hint = w->sizeHint().expandedTo(w->minimumSizeHint());
    EXPECT_LE(hint.width(), kSmallScreen.width()) << name;
    EXPECT_LE(hint.height(), kSmallScreen.height()) << name;
    w->resize(hint.boundedTo(kSmallScreen));
    QApplication::processEvents();
    for (QScrollArea* area : w->findChildren<QScrollArea*>()) {
        if (area->window() != w || !area->isVisible()) continue;
        // The ledger's totals strip follows the grid's own bar and shows none.
        if (area->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff) continue;
        EXPECT_FALSE(area->horizontalScrollBar()->isVisible())
            << name << ": sideways scrolling in " << area->objectName().toStdString() << ", "
            << area->widget()->minimumSizeHint().width() << " wide in "
            << area->viewport()->width();
    }
    for (QAbstractButton* button : w->findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || button->window() != w) continue;
        const QRect place(button->mapTo(w, QPoint(0, 0)), button->size());
        bool scrolled = false;
        for (QWidget* p = button->parentWidget(); p != w && p != nullptr; p = p->parentWidget()) {
            scrolled = scrolled || p->objectName() == "qt_scrollarea_viewport";
        }
        if (!scrolled) {
            EXPECT_TRUE(w->rect().contains(place))
                << name << ": " << button->text().toStdString() << " out of reach";
        }
    }
}

struct WindowCase {
    const char* name;
    void (CalculatorForm::*open)();
};

void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.name; }

class SizeHintTest : public SmallScreenFitTest, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(SizeHintTest, TheWindowAsItAsksToBeFitsTheSmallScreen) {
    const WindowCase& c = GetParam();
    ctx.leaveDialog.loaded = true;
    ctx.leaveDialog.lbSickBal = "-123456789012.50";
    ctx.leaveDialog.lbVacBal = "98765432109.25";
    if (c.open != nullptr) (form.get()->*c.open)();
    QWidget* w = window(c.name);
    ASSERT_NE(w, nullptr);
    expectFitsWithoutSidewaysScrolling(w, "with a long name and balance");
}

INSTANTIATE_TEST_SUITE_P(
    EveryWindow, SizeHintTest,
    ::testing::Values(WindowCase{"Form1", nullptr},
                      WindowCase{"DialogState", &CalculatorForm::openStateDialog},
                      WindowCase{"DialogCity", &CalculatorForm::openCityDialog},
                      WindowCase{"DialogNonCity", &CalculatorForm::openNonCityDialog},
                      WindowCase{"DialogHeader", &CalculatorForm::openHeadingDialog},
                      WindowCase{"MDIForm1", &CalculatorForm::openLedger},
                      WindowCase{"frmChecks", &CalculatorForm::openChecks},
                      WindowCase{"DialogVac", &CalculatorForm::openVacation},
                      WindowCase{"Form2", &CalculatorForm::openOvertimeSheet},
                      WindowCase{"frmRegister", &CalculatorForm::openRegister},
                      WindowCase{"frmCheckRegister", &CalculatorForm::openCheckRegister},
                      WindowCase{"frmPayRun", &CalculatorForm::openPayRun},
                      WindowCase{"frmEmployees", &CalculatorForm::openEmployeeList}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SmallScreenFitTest, UserInfoFitsWithALongName) {
    EmployeeDialog dialog(
        ctx, [] { return true; }, form.get());
    dialog.show();
    expectFitsWithoutSidewaysScrolling(&dialog, "with a long name");
}

TEST_F(SmallScreenFitTest, TheStateDialogFitsWithEachMethodTickedAndNothingMoves) {
    form->openStateDialog();
    QWidget* dialog = window("DialogState");
    ASSERT_NE(dialog, nullptr);
    const auto places = [dialog] {
        std::vector<QRect> out;
        for (const char* name : kStateMethods) {
            auto* box = dialog->findChild<QCheckBox*>(name);
            out.emplace_back(box->mapTo(dialog, QPoint(0, 0)), box->size());
        }
        return out;
    };
    QApplication::processEvents();
    const std::vector<QRect> before = places();
    for (const char* name : kStateMethods) {
        const MessageBoxAnswerer answers({QMessageBox::Ok, QMessageBox::Ok});
        QTest::mouseClick(dialog->findChild<QCheckBox*>(name), Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_EQ(places(), before) << "the boxes moved when " << name << " was ticked";
        expectFitsWithoutSidewaysScrolling(dialog, std::string("with ") + name + " ticked");
    }
}

TEST_F(SmallScreenFitTest, ALongNameIsElidedWithTheWholeNameAsTooltip) {
    auto* user = form->findChild<QLabel*>("lbUser");
    ASSERT_NE(user, nullptr);
    form->resize(form->sizeHint().boundedTo(kSmallScreen));
    QApplication::processEvents();
    EXPECT_EQ(user->toolTip(), kLongName);
    EXPECT_LE(user->sizeHint().width(), 400);
    EXPECT_TRUE(form->rect().contains(QRect(user->mapTo(form.get(), QPoint(0, 0)), user->size())));
    // The results beside it stay in the window.
    auto* net = form->findChild<QLabel*>("lbNet");
    EXPECT_TRUE(form->rect().contains(QRect(net->mapTo(form.get(), QPoint(0, 0)), net->size())));
}

TEST_F(SmallScreenFitTest, ALongBalanceKeepsTheLeaveFramesInPlace) {
    form->openVacation();
    QWidget* dialog = window("DialogVac");
    ASSERT_NE(dialog, nullptr);
    QApplication::processEvents();
    auto* sick = dialog->findChild<QLabel*>("lbSickBal");
    auto* start = dialog->findChild<QLineEdit*>("txtSickBal");
    const int labelWidth = sick->width();
    const int boxWidth = start->width();
    const QSize hint = dialog->sizeHint();
    start->setText("123456789012345");
    QApplication::processEvents();
    EXPECT_EQ(sick->width(), labelWidth);
    EXPECT_EQ(start->width(), boxWidth);
    EXPECT_EQ(dialog->sizeHint(), hint);
    EXPECT_EQ(sick->toolTip(), sick->text());
}

class OpensOnScreenTest : public SmallScreenFitTest,
                          public ::testing::WithParamInterface<WindowCase> {};

// Wherever the calculator stands, the window it opens lies within the screen.
TEST_P(OpensOnScreenTest, TheWindowOpensWithinTheScreen) {
    const WindowCase& c = GetParam();
    const QRect room = form->screen()->availableGeometry();
    form->move(room.right() - form->width() / 2, room.bottom() - form->height() / 2);
    (form.get()->*c.open)();
    QWidget* w = window(c.name);
    ASSERT_NE(w, nullptr);
    QApplication::processEvents();
    // The test screen may be smaller than some windows can shrink to; those open at its top
    // left corner, title bar in view.
    const QSize least = w->minimumSizeHint().expandedTo(w->minimumSize());
    const QSize edges = w->frameGeometry().size() - w->size();
    const bool canFit = least.width() + edges.width() <= room.width() &&
                        least.height() + edges.height() <= room.height();
    EXPECT_TRUE(canFit ? room.contains(w->frameGeometry())
                       : room.contains(w->frameGeometry().topLeft()))
        << c.name << " at " << w->frameGeometry().x() << "," << w->frameGeometry().y() << " "
        << w->frameGeometry().width() << "x" << w->frameGeometry().height() << " on "
        << room.width() << "x" << room.height();
}

INSTANTIATE_TEST_SUITE_P(
    EveryWindow, OpensOnScreenTest,
    ::testing::Values(WindowCase{"DialogState", &CalculatorForm::openStateDialog},
                      WindowCase{"DialogCity", &CalculatorForm::openCityDialog},
                      WindowCase{"DialogNonCity", &CalculatorForm::openNonCityDialog},
                      WindowCase{"DialogHeader", &CalculatorForm::openHeadingDialog},
                      WindowCase{"MDIForm1", &CalculatorForm::openLedger},
                      WindowCase{"frmChecks", &CalculatorForm::openChecks},
                      WindowCase{"DialogVac", &CalculatorForm::openVacation},
                      WindowCase{"Form2", &CalculatorForm::openOvertimeSheet},
                      WindowCase{"frmRegister", &CalculatorForm::openRegister},
                      WindowCase{"frmCheckRegister", &CalculatorForm::openCheckRegister},
                      WindowCase{"frmPayRun", &CalculatorForm::openPayRun},
                      WindowCase{"frmEmployees", &CalculatorForm::openEmployeeList}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace corvanta::ui
