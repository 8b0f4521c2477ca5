#pragma once

#include "canvas.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <optional>

namespace lumorix {

QColor toQColor(Colour colour);

// The on-screen back end: paints each call into the window's persistent backing image, aliased,
// since the pictures are pixel art. The image may have a device pixel ratio above 1; coordinates
// stay logical pixels. Every run sets the scale to pixels before it draws, so the scale needs no
// conversion here. Calls between two flushes share one painter.
class ScreenCanvas final : public Canvas {
public:
    // Does not take ownership of the random sequence or the image, which outlive the canvas. The
    // image may be replaced between flushes, never while calls are pending.
    ScreenCanvas(RandomSequence& random, QImage& surface);

    // Finishes the painting of the calls so far and returns the logical area they touched.
    QRegion flush();

private:
    void received(const CanvasCall& call) override;
    QPainter& painter();
    QPen pen(const std::optional<Colour>& colour) const;
    void touched(const QRectF& area);

    QImage& surface_;
    std::optional<QPainter> painter_;
    QRegion damage_;
};

} // namespace lumorix
