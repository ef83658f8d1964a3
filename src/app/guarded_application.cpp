#include "app/guarded_application.h"

#include <QMessageBox>
#include <exception>

namespace corvanta::app {

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        QMessageBox::warning(activeWindow(), "Corvanta 2008",
                             QString("The command stopped: %1").arg(QString::fromUtf8(e.what())));
    }
    return false;
}

}  // namespace corvanta::app
