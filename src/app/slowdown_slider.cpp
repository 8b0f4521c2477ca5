#include "slowdown_slider.h"

#include <QPainter>

namespace lumorix {

SlowdownSlider::SlowdownSlider(QWidget* parent)
    : QScrollBar(Qt::Horizontal, parent) {
    setAccessibleName(QStringLiteral("Zpomalení animace"));
    setAccessibleDescription(QStringLiteral("Čím víc vpravo, tím pomalejší animace."));
    connect(this, &QAbstractSlider::valueChanged, this, &SlowdownSlider::showValueInToolTip);
    showValueInToolTip();
}

void SlowdownSlider::showValueInToolTip() {
    setToolTip(QStringLiteral("Zpomalení animace: %1").arg(value()));
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
