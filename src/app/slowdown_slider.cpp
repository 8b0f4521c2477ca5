#include "slowdown_slider.h"

#include "design/window_texts.h"
#include "qt_design.h"
#include "window_style.h"

#include <QPainter>

namespace lumorix {

SlowdownSlider::SlowdownSlider(QWidget* parent)
    : QScrollBar(Qt::Horizontal, parent) {
    setAccessibleName(qtText(sliderName));
    setAccessibleDescription(qtText(sliderDescription));
    connect(this, &QAbstractSlider::valueChanged, this, &SlowdownSlider::showValueInToolTip);
    showValueInToolTip();
}

void SlowdownSlider::showValueInToolTip() {
    setToolTip(qtText(sliderToolTip(value())));
}

void SlowdownSlider::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    drawFocusFrame(painter, *this, rect(), 2);
}

} // namespace lumorix
