#include "ui/started_from_label.h"

#include "ui/message_box.h"

namespace corvanta::ui {

QLabel* startedFromLabel(const EmployeeRecord& record, QWidget* parent) {
    if (record.startedFrom.empty()) return nullptr;
    auto* label = new QLabel("New employee: started from " + toQt(record.startedFrom), parent);
    label->setObjectName("lbStartedFrom");
    // Wrapped, so a long origin never widens the dialog.
    label->setWordWrap(true);
    return label;
}

}  // namespace corvanta::ui
