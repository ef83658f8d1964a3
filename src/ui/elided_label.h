#pragma once

#include <QLabel>

namespace corvanta::ui {

// A one-line label that never widens its window: text longer than the room it is given is
// drawn cut with "…", and the whole text is its tooltip. text() stays the whole text.
class ElidedLabel : public QLabel {
  public:
    // `widest`: the most room the label asks of its layout, in pixels.
    ElidedLabel(int widest, QWidget* parent);
    // Shows `text` and offers the whole of it as the tooltip.
    void setWholeText(const QString& text);
    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int widest_;
};

}  // namespace corvanta::ui
