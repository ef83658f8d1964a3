#include "ui/screen_fit.h"

#include <QFrame>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

namespace corvanta::ui {
namespace {

constexpr const char* kScrollName = "fieldScroll";
// A title bar's height, for windows whose frame the window system has not told yet.
constexpr int kTitleBar = 32;
// Room the window's layout margins take beside a scroll area, and below it its buttons.
constexpr int kWindowEdges = 24;
constexpr int kButtonRows = 90;

class WholeViewScrollArea : public QScrollArea {
  public:
    using QScrollArea::QScrollArea;
    [[nodiscard]] QSize sizeHint() const override {
        if (widget() == nullptr) return QScrollArea::sizeHint();
        const int frame = 2 * frameWidth();
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        const QSize whole = widget()->sizeHint().expandedTo(widget()->minimumSizeHint());
        const QRect room = screen()->availableGeometry();
        // The window's own margins and buttons need a little of the screen too.
        const QSize most = room.size() - QSize(kWindowEdges, kTitleBar + kButtonRows);
        QSize wanted = whole + QSize(frame, frame);
        if (wanted.height() > most.height()) wanted.rwidth() += bar;
        if (wanted.width() > most.width()) wanted.rheight() += bar;
        return wanted.boundedTo(most);
    }
};

}  // namespace

QScrollArea* wholeViewScrollArea(QWidget* parent) { return new WholeViewScrollArea(parent); }

QVBoxLayout* scrolledRows(QWidget* window) {
    auto* outer = new QVBoxLayout(window);
    QScrollArea* scroll = wholeViewScrollArea(window);
    scroll->setObjectName(kScrollName);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* fields = new QWidget(scroll);
    auto* rows = new QVBoxLayout(fields);
    rows->setContentsMargins(0, 0, 0, 0);
    scroll->setWidget(fields);
    outer->addWidget(scroll, 1);
    return rows;
}

void fitToScreen(QWidget* window) {
    const QRect room = window->screen()->availableGeometry();
    window->resize(window->sizeHint().boundedTo(room.size() - QSize(0, kTitleBar)));
}

void keepOnScreen(QWidget* window) {
    const QRect room = window->screen()->availableGeometry();
    const QRect inner = window->geometry();
    QRect frame = window->frameGeometry();
    if (frame.height() == inner.height()) frame.setTop(frame.top() - kTitleBar);
    const QSize edges = frame.size() - inner.size();
    const QSize fits =
        inner.size().boundedTo(room.size() - edges).expandedTo(window->minimumSize());
    if (fits != inner.size()) window->resize(fits);
    const QSize outer = fits + edges;
    const int x =
        std::clamp(frame.x(), room.left(), std::max(room.left(), room.right() + 1 - outer.width()));
    const int y =
        std::clamp(frame.y(), room.top(), std::max(room.top(), room.bottom() + 1 - outer.height()));
    // move() places the frame, whether or not the window system has drawn it yet.
    if (x != frame.x() || y != frame.y()) window->move(x, y);
}

}  // namespace corvanta::ui
