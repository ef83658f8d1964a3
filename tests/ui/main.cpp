#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // Without a display the windows are tried on the smallest screen they must fit, 1024x768.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" CORVANTA_UI_SCREEN);
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
