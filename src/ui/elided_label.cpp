#include "ui/elided_label.h"

#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace corvanta::ui {

ElidedLabel::ElidedLabel(int widest, QWidget* parent) : QLabel(parent), widest_(widest) {
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void ElidedLabel::setWholeText(const QString& text) {
    setText(text);
    setToolTip(text);
}

QSize ElidedLabel::sizeHint() const {
    const QSize whole = QLabel::sizeHint();
    return {std::min(whole.width(), widest_), whole.height()};
}

QSize ElidedLabel::minimumSizeHint() const {
    // Room for a few letters and the "…", so a cut name still reads as one.
    const int least = fontMetrics().horizontalAdvance(QStringLiteral("MMMM…")) +
                      contentsMargins().left() + contentsMargins().right() + 2 * frameWidth();
    return {std::min(least, sizeHint().width()), QLabel::minimumSizeHint().height()};
}

void ElidedLabel::paintEvent(QPaintEvent* event) {
    const QString whole = text();
    const QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    if (fontMetrics().horizontalAdvance(whole) <= room.width()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    const QString shown = fontMetrics().elidedText(whole, Qt::ElideRight, room.width());
    const auto align = static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment()));
    style()->drawItemText(&painter, room, align, palette(), isEnabled(), shown, foregroundRole());
}

}  // namespace corvanta::ui
