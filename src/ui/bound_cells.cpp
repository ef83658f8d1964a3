#include "ui/bound_cells.h"

#include <QLineEdit>

#include "ui/message_box.h"

namespace corvanta::ui {

void BoundCells::bind(QLineEdit* box, std::string* text) {
    bindings_.push_back({box, text, nullptr});
    // Every change, typed or set, so the record never differs from what the box shows.
    QObject::connect(box, &QLineEdit::textChanged, box,
                     [text](const QString& shown) { *text = fromQt(shown); });
}

void BoundCells::bind(QLineEdit* box, DialogCell* cell) {
    bind(box, &cell->text);
    bindings_.back().enabled = &cell->enabled;
}

void BoundCells::show() const {
    for (const Binding& b : bindings_) {
        const QString text = toQt(*b.text);
        if (b.box->text() != text) b.box->setText(text);
        if (b.enabled != nullptr) b.box->setEnabled(*b.enabled);
    }
}

}  // namespace corvanta::ui
