#pragma once

#include <QApplication>

namespace corvanta::app {

// The application object of the program. An error that escapes a window command would end the
// program with every unsaved entry; it is shown instead and the command stops there.
class GuardedApplication : public QApplication {
  public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace corvanta::app
