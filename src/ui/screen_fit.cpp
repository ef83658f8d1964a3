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

}  // namespace

QVBoxLayout* scrolledRows(QWidget* window) {
    auto* outer = new QVBoxLayout(window);
    auto* scroll = new QScrollArea(window);
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
    auto* scroll = window->findChild<QScrollArea*>(kScrollName);
    if (scroll == nullptr || scroll->widget() == nullptr) return;
    // The natural size is the window's with the scroll area as large as its fields.
    const int bar = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    scroll->setMinimumSize(scroll->widget()->sizeHint() + QSize(bar, bar));
    const QSize natural = window->sizeHint();
    scroll->setMinimumSize(0, 0);
    const QRect room = window->screen()->availableGeometry();
    // Leave room for the title bar.
    window->resize(std::min(natural.width(), room.width()),
                   std::min(natural.height(), room.height() - 32));
}

}  // namespace corvanta::ui
