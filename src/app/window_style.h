#pragma once

#include <QProxyStyle>

namespace lumorix {

// The look of the program: Qt's Fusion style, with the sizes it draws controls at scaled with the
// client area of their window, and a clear focus frame around the focused option button, where
// Fusion shows only a faint tint.
class WindowStyle final : public QProxyStyle {
public:
    WindowStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
};

// The scale at which a window shows its client area, and so its controls: 1 unless set.
void setControlScale(QWidget& window, double scale);
double controlScale(const QWidget* widget);

// A frame of the highlight colour just inside a rectangle, as wide as the scale makes width.
void drawFocusFrame(QPainter& painter, const QWidget& widget, const QRectF& rect, qreal width);

} // namespace lumorix
