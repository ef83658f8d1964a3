#pragma once

class QScrollArea;
class QVBoxLayout;
class QWidget;

namespace corvanta::ui {

// A scroll area that asks for room to show all of its widget, up to its screen's free area
// (title bar left out), so a window opened at its size hint scrolls only on a smaller screen.
QScrollArea* wholeViewScrollArea(QWidget* parent);

// Gives `window` a layout whose first row is a scroll area and returns the layout inside that
// area for the window's fields. Rows added to window->layout() afterwards (the buttons) stay
// outside it, so the window can shrink to a small screen with its buttons in view.
QVBoxLayout* scrolledRows(QWidget* window);

// Sizes a window to its size hint (all its fields, scrolled only on a screen too small for
// them), within the screen's free area.
void fitToScreen(QWidget* window);

// Shrinks a top-level window to its screen's free area and moves it, title bar included,
// wholly within it; a window opened near an edge would otherwise hang off the screen.
void keepOnScreen(QWidget* window);

}  // namespace corvanta::ui
