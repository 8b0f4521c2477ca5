#include "slowdown_slider.h"

#include "design/window_texts.h"
#include "qt_design.h"

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
    constexpr qreal frameWidth = 2;
    painter.setPen(QPen(palette().color(QPalette::Highlight), frameWidth));
    painter.drawRect(
        QRectF(rect()).adjusted(frameWidth / 2, frameWidth / 2, -frameWidth / 2, -frameWidth / 2));
}

} // namespace lumorix
