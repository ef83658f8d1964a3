#pragma once

#include <QKeySequence>
#include <initializer_list>

class QWidget;

namespace corvanta::ui {

// Makes the window's shortcuts for these keys work wherever its keyboard focus is. A widget
// may ask to keep a key for itself before the shortcuts see it (a line edit keeps Ctrl+E, the
// end of the line, and Ctrl+R); inside `window` that request is refused for the keys given,
// so the window's own shortcut runs. Other keys, and the keys in other windows, are left
// alone. The claim lasts as long as the window.
void claimShortcuts(QWidget* window, std::initializer_list<QKeySequence> keys);

}  // namespace corvanta::ui
