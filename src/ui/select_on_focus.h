#pragma once

#include <QObject>

class QWidget;

namespace corvanta::ui {

// Entering a box selects its whole text, so typing replaces it.
class SelectOnFocus : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;
    // For a line edit or an editable combo box; the filter is owned by the widget.
    static void install(QWidget* widget);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace corvanta::ui
