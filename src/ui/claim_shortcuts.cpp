#include "ui/claim_shortcuts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QList>
#include <QWidget>

namespace corvanta::ui {
namespace {

// Watches the application's events (the one place that sees the request of whichever widget
// has the keyboard) and turns down the override of a claimed key inside its window.
class ShortcutClaim : public QObject {
  public:
    ShortcutClaim(QWidget* window, QList<QKeySequence> keys)
        : QObject(window), window_(window), keys_(std::move(keys)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr || widget->window() != window_) return false;
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        if (!keys_.contains(pressed)) return false;
        // Not accepted: the key goes to the shortcuts, not to the widget.
        event->ignore();
        return true;
    }

  private:
    QWidget* window_;
    QList<QKeySequence> keys_;
};

}  // namespace

void claimShortcuts(QWidget* window, std::initializer_list<QKeySequence> keys) {
    qApp->installEventFilter(new ShortcutClaim(window, QList<QKeySequence>(keys)));
}

}  // namespace corvanta::ui
