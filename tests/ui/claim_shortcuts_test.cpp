// A window's claim on shortcut keys: inside it a claimed key reaches the window's shortcut
// even from a box that would keep it; a key not claimed, or the same key in another window,
// stays with the box.
#include "ui/claim_shortcuts.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QShortcut>
#include <QTest>
#include <QVBoxLayout>

#include "ui_support.h"

namespace corvanta::ui {
namespace {

namespace t = corvanta::testing;

// A window with one entry box that keeps Ctrl+E and Ctrl+K, and a shortcut for each key.
struct BoxWindow {
    BoxWindow() {
        auto* layout = new QVBoxLayout(&window);
        box = new QLineEdit(&window);
        layout->addWidget(box);
        new t::KeepsKeys(box,
                         {QKeySequence(Qt::CTRL | Qt::Key_E), QKeySequence(Qt::CTRL | Qt::Key_K)});
        for (const QKeySequence& key :
             {QKeySequence(Qt::CTRL | Qt::Key_E), QKeySequence(Qt::CTRL | Qt::Key_K)}) {
            auto* shortcut = new QShortcut(key, &window);
            QObject::connect(shortcut, &QShortcut::activated,
                             [this, key] { ran << key.toString(); });
        }
    }
    QWidget window;
    QLineEdit* box = nullptr;
    QStringList ran;
};

struct ClaimCase {
    const char* what;
    bool inClaimingWindow;
    Qt::Key key;
    bool shortcutRuns;
};

void PrintTo(const ClaimCase& c, std::ostream* os) { *os << c.what; }

class ClaimShortcutsTest : public ::testing::TestWithParam<ClaimCase> {};

TEST_P(ClaimShortcutsTest, TheClaimedKeyGoesToTheShortcutOnlyInItsWindow) {
    const ClaimCase& c = GetParam();
    BoxWindow claiming;
    BoxWindow other;
    claimShortcuts(&claiming.window, {QKeySequence(Qt::CTRL | Qt::Key_E)});
    BoxWindow& typedIn = c.inClaimingWindow ? claiming : other;
    typedIn.window.show();
    QApplication::setActiveWindow(&typedIn.window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&typedIn.window));
    typedIn.box->setFocus();
    QTest::keyClick(typedIn.box, c.key, Qt::ControlModifier);
    EXPECT_EQ(!typedIn.ran.isEmpty(), c.shortcutRuns) << typedIn.ran.join(",").toStdString();
    EXPECT_TRUE(claiming.ran.isEmpty() || c.inClaimingWindow);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ClaimShortcutsTest,
    ::testing::Values(ClaimCase{"ClaimedKeyInItsWindow", true, Qt::Key_E, true},
                      ClaimCase{"KeyNotClaimed", true, Qt::Key_K, false},
                      ClaimCase{"ClaimedKeyInAnotherWindow", false, Qt::Key_E, false}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(ClaimShortcuts, TheClaimEndsWithItsWindow) {
    BoxWindow other;
    {
        BoxWindow claiming;
        claimShortcuts(&claiming.window, {QKeySequence(Qt::CTRL | Qt::Key_E)});
    }
    other.window.show();
    QApplication::setActiveWindow(&other.window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other.window));
    other.box->setFocus();
    QTest::keyClick(other.box, Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(other.ran.isEmpty());
}

}  // namespace
}  // namespace corvanta::ui
