// Every window fits a 1024x768 screen with its buttons in reach.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLayout>
#include <QTest>

#include "support/temp_folder.h"
#include "ui/calculator_window.h"
#include "ui/employee_dialog.h"
#include "ui_support.h"

namespace corvanta::ui {
namespace {

using corvanta::testing::ScriptedPrompts;
using corvanta::testing::TempFolder;

// Room left on a 1024x768 screen by a title bar.
constexpr QSize kSmallScreen{1024, 768 - 32};

struct WindowCase {
    const char* name;
    void (CalculatorForm::*open)();
};

void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.name; }

class SmallScreenTest : public ::testing::TestWithParam<WindowCase> {
  protected:
    SmallScreenTest() : ctx(folder.context()) {
        folder.copyFederalTable();
        form = std::make_unique<CalculatorForm>(ctx, std::make_unique<ScriptedPrompts>());
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

TEST_P(SmallScreenTest, ShrinksToTheScreenWithEveryButtonInView) {
    const WindowCase& c = GetParam();
    if (c.open != nullptr) (form.get()->*c.open)();
    QWidget* w = window(c.name);
    ASSERT_NE(w, nullptr) << c.name;
    const QSize least = w->minimumSizeHint().expandedTo(w->minimumSize());
    EXPECT_LE(least.width(), kSmallScreen.width()) << c.name;
    EXPECT_LE(least.height(), kSmallScreen.height()) << c.name;
    EXPECT_LE(w->width(), kSmallScreen.width()) << c.name << " as opened";
    EXPECT_LE(w->height(), kSmallScreen.height()) << c.name << " as opened";

    w->resize(least.expandedTo({400, 300}));
    QApplication::processEvents();
    for (QAbstractButton* button : w->findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || button->window() != w) continue;
        // A button in a scrolled part is reached by scrolling; the others must be in the window.
        bool scrolled = false;
        for (QWidget* p = button->parentWidget(); p != w && p != nullptr; p = p->parentWidget()) {
            scrolled = scrolled || p->objectName() == "qt_scrollarea_viewport";
        }
        if (scrolled) continue;
        const QRect place(button->mapTo(w, QPoint(0, 0)), button->size());
        EXPECT_TRUE(w->rect().contains(place))
            << c.name << ": " << button->objectName().toStdString() << " "
            << button->text().toStdString() << " outside at the least size";
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryWindow, SmallScreenTest,
    ::testing::Values(WindowCase{"Form1", nullptr},
                      WindowCase{"DialogState", &CalculatorForm::openStateDialog},
                      WindowCase{"DialogCity", &CalculatorForm::openCityDialog},
                      WindowCase{"DialogNonCity", &CalculatorForm::openNonCityDialog},
                      WindowCase{"DialogHeader", &CalculatorForm::openHeadingDialog},
                      WindowCase{"MDIForm1", &CalculatorForm::openLedger},
                      WindowCase{"frmChecks", &CalculatorForm::openChecks},
                      WindowCase{"DialogVac", &CalculatorForm::openVacation},
                      WindowCase{"Form2", &CalculatorForm::openOvertimeSheet},
                      WindowCase{"frmCheckRegister", &CalculatorForm::openCheckRegister}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SmallScreenDialogTest, EmployeeDialogFits) {
    TempFolder folder;
    PayrollContext ctx = folder.context();
    EmployeeDialog dialog(
        ctx, [] { return true; }, nullptr);
    dialog.show();
    const QSize least = dialog.minimumSizeHint().expandedTo(dialog.minimumSize());
    EXPECT_LE(least.width(), kSmallScreen.width());
    EXPECT_LE(least.height(), kSmallScreen.height());
}

}  // namespace
}  // namespace corvanta::ui
