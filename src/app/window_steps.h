#pragma once

class QWidget;

namespace corvanta::app {

// What the screenshot run and the scripted session do to windows, as an operator would.

// The visible top-level window with that objectName; null when none is shown.
QWidget* shownWindow(const char* name);

// Triggers the menu entry with that objectName; false when the window has none.
bool triggerAction(QWidget* owner, const char* name);

// A left mouse press near the widget's top left corner.
void leftClick(QWidget* widget);

}  // namespace corvanta::app
