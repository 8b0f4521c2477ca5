#pragma once

#include <QScrollBar>

namespace lumorix {

// HScroll1, the slowdown of the animation, from the fastest at the left to the slowest at the
// right. It names and describes itself for assistive technology, tells its value in its tooltip
// and, where the style's scroll bar shows nothing, frames itself in the highlight colour while it
// has the keyboard focus.
class SlowdownSlider final : public QScrollBar {
public:
    explicit SlowdownSlider(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showValueInToolTip();
};

} // namespace lumorix
