#pragma once

#include <QGuiApplication>
#include <cstdlib>

namespace corvanta::testing {

// The one application object the printers' fonts need, made at first use and kept for the
// process; off screen unless a platform was chosen.
inline void startGui() {
    static int argc = 1;
    static char name[] = "corvanta_tests";
    static char* argv[] = {name, nullptr};
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static const QGuiApplication instance(argc, argv);
}

}  // namespace corvanta::testing
