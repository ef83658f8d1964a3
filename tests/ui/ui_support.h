#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMessageBox>
#include <QPrinter>
#include <QTest>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "session/files/session.h"
#include "support/scripted_prompts.h"

namespace corvanta::testing {

// What a message box showed.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Answers the next modal message boxes with the given buttons, recording what they showed.
class MessageBoxAnswerer {
  public:
    explicit MessageBoxAnswerer(std::vector<QMessageBox::StandardButton> answers)
        : answers_(answers.begin(), answers.end()) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(20);
    }
    const std::vector<SeenBox>& seen() const { return seen_; }

  private:
    void poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || answers_.empty()) return;
        seen_.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
        QAbstractButton* button = box->button(answers_.front());
        answers_.pop_front();
        if (button != nullptr) button->click();
    }
    std::deque<QMessageBox::StandardButton> answers_;
    std::vector<SeenBox> seen_;
    QTimer timer_;
};

// Makes a widget ask to keep these keys before the shortcuts see them, as a line edit does
// under the desktop's key bindings (Ctrl+E, the end of the line); the test platform's own
// bindings let them through, which would hide a window that never claimed them.
class KeepsKeys : public QObject {
  public:
    KeepsKeys(QWidget* widget, QList<QKeySequence> keys) : QObject(widget), keys_(std::move(keys)) {
        widget->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) return false;
        if (!keys_.contains(QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()))) {
            return false;
        }
        event->accept();
        return true;
    }

  private:
    QList<QKeySequence> keys_;
};

// A double click as the window system delivers it: press, release, the second press as a
// double click, release. (QTest::mouseDClick sends the double click event alone.)
inline void doubleClick(QWidget* widget) {
    QTest::mousePress(widget, Qt::LeftButton);
    QTest::mouseRelease(widget, Qt::LeftButton);
    QTest::mouseDClick(widget, Qt::LeftButton);
    QTest::mouseRelease(widget, Qt::LeftButton);
}

// Triggers the action of that objectName among the owner's children; false when none.
inline bool triggerAction(QWidget* owner, const char* name) {
    auto* action = owner->findChild<QAction*>(name);
    if (action == nullptr) return false;
    action->trigger();
    return true;
}

// A printer that writes a PDF file, as the printer dialog gives one.
inline std::unique_ptr<QPrinter> pdfPrinter(const std::filesystem::path& file) {
    auto printer = std::make_unique<QPrinter>();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(file.string()));
    return printer;
}

// The visible top-level window of that objectName, or null.
inline QWidget* visibleTopLevel(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name && w->isVisible()) return w;
    }
    return nullptr;
}

}  // namespace corvanta::testing
