#include "window_style.h"

#include <QPainter>
#include <QRadioButton>
#include <QStyleFactory>
#include <QStyleOption>
#include <cmath>

namespace lumorix {

namespace {

constexpr const char* scaleProperty = "lumorixControlScale";

} // namespace

void setControlScale(QWidget& window, double scale) {
    window.setProperty(scaleProperty, scale);
}

double controlScale(const QWidget* widget) {
    if (widget == nullptr)
        return 1;
    const QVariant scale = widget->window()->property(scaleProperty);
    return scale.isValid() ? scale.toDouble() : 1;
}

void drawFocusFrame(QPainter& painter, const QWidget& widget, const QRectF& rect, qreal width) {
    const qreal scaledWidth = std::max<qreal>(1, std::round(width * controlScale(&widget)));
    painter.save();
    painter.setPen(QPen(widget.palette().color(QPalette::Highlight), scaledWidth));
    painter.setBrush(Qt::NoBrush);
    const qreal inset = scaledWidth / 2;
    painter.drawRect(rect.adjusted(inset, inset, -inset, -inset));
    painter.restore();
}

WindowStyle::WindowStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int WindowStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
    const int designed = QProxyStyle::pixelMetric(metric, option, widget);
    const double scale = controlScale(widget);
    // Negative metrics are not lengths but "none" or "default".
    if (scale == 1 || designed <= 0)
        return designed;
    return static_cast<int>(std::lround(designed * scale));
}

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    if (element == PE_FrameFocusRect && qobject_cast<const QRadioButton*>(widget) != nullptr) {
        drawFocusFrame(*painter, *widget, option->rect, 1);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

} // namespace lumorix
