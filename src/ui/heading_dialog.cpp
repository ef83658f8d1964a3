#include "ui/heading_dialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/files/record_format.h"
#include "session/files/print_heading.h"
#include "ui/message_box.h"

namespace corvanta::ui {

HeadingDialog::HeadingDialog(PayrollContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("DialogHeader");
    setWindowTitle("Print Out Heading");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* rows = new QVBoxLayout(this);
    const auto texts = fields();
    for (int i = 0; i < 4; ++i) {
        boxes_[i] = new QLineEdit(toQt(*texts[i]), this);
        boxes_[i]->setObjectName(QString("txtHeader%1").arg(i));
        boxes_[i]->setMinimumWidth(320);
        rows->addWidget(boxes_[i]);
    }
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("OKButton");
    QPushButton* cancel = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    cancel->setObjectName("CancelButton");
    connect(ok, &QPushButton::clicked, this, &HeadingDialog::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    rows->addWidget(buttons);
}

std::array<std::string*, 4> HeadingDialog::fields() {
    PrintHeading& h = ctx_.heading;
    return {&h.HeadingCompany, &h.HeadingAddress, &h.HeadingZip, &h.HeadingId};
}

void HeadingDialog::save() {
    // Refused before anything is taken over: the heading printed must be the one stored.
    for (int i = 0; i < 4; ++i) {
        if (const auto character = unstorableCharacter(fromQt(boxes_[i]->text()))) {
            const std::string field = "heading line " + std::to_string(i + 1);
            showUserMessage(this,
                            {UnstorableTextError(field, *character).what(), fromQt(windowTitle())});
            boxes_[i]->setFocus();
            return;
        }
    }
    const auto texts = fields();
    for (int i = 0; i < 4; ++i) *texts[i] = fromQt(boxes_[i]->text());
    if (!runShowingErrors(this, [&] { SaveHeader(ctx_); })) return;
    close();
}

}  // namespace corvanta::ui
