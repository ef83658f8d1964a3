#pragma once

class QVBoxLayout;
class QWidget;

namespace corvanta::ui {

// Gives `window` a layout whose first row is a scroll area and returns the layout inside that
// area for the window's fields. Rows added to window->layout() afterwards (the buttons) stay
// outside it, so the window can shrink to a small screen with its buttons in view.
QVBoxLayout* scrolledRows(QWidget* window);

// Sizes a window made with scrolledRows to show all its fields, or to the screen's free area
// where that is smaller.
void fitToScreen(QWidget* window);

}  // namespace corvanta::ui
