#pragma once

#include <QObject>
#include <string>
#include <vector>

#include "tax/state/state_dialog_model.h"

class QLineEdit;

namespace corvanta::ui {

// Text boxes bound to the engine's dialog records: any change of a box writes the record at once,
// and show() puts the record back into the boxes after an engine command changed it.
class BoundCells {
  public:
    void bind(QLineEdit* box, std::string* text);
    void bind(QLineEdit* box, DialogCell* cell);
    void show() const;

  private:
    struct Binding {
        QLineEdit* box;
        std::string* text;
        bool* enabled;
    };
    std::vector<Binding> bindings_;
};

}  // namespace corvanta::ui
