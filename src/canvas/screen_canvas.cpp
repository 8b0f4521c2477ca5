#include "screen_canvas.h"

#include <QPen>
#include <variant>

namespace lumorix {

QColor toQColor(Colour colour) {
    return QColor(colour.red(), colour.green(), colour.blue());
}

ScreenCanvas::ScreenCanvas(RandomSequence& random, QImage& surface)
    : Canvas(random)
    , surface_(surface) {}

QRegion ScreenCanvas::flush() {
    painter_.reset();
    return std::exchange(damage_, QRegion());
}

QPainter& ScreenCanvas::painter() {
    if (!painter_) {
        painter_.emplace(&surface_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
    }
    return *painter_;
}

QPen ScreenCanvas::pen(const std::optional<Colour>& colour) const {
    return QPen(toQColor(colour.value_or(colours::foreground)), state().drawWidth, Qt::SolidLine,
                Qt::RoundCap, Qt::RoundJoin);
}

void ScreenCanvas::touched(const QRectF& area) {
    // A margin for the pen's width and the rounding of aliased painting.
    const double margin = state().drawWidth + 1;
    damage_ += area.adjusted(-margin, -margin, margin, margin).toAlignedRect();
}

void ScreenCanvas::received(const CanvasCall& call) {
    if (const auto* line = std::get_if<DrawLine>(&call)) {
        const QPointF from(line->x1, line->y1);
        const QPointF to(line->x2, line->y2);
        QPainter& p = painter();
        p.setPen(pen(line->colour));
        p.drawLine(from, to);
        touched(QRectF(from, to).normalized());
    } else if (const auto* circle = std::get_if<DrawCircle>(&call)) {
        const QPointF centre(circle->x, circle->y);
        QPainter& p = painter();
        p.setPen(pen(circle->colour));
        if (state().fillStyle == FillStyle::solid)
            p.setBrush(toQColor(state().fillColour));
        else
            p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, circle->radius, circle->radius);
        touched(QRectF(centre.x() - circle->radius, centre.y() - circle->radius, 2 * circle->radius,
                       2 * circle->radius));
    }
}

} // namespace lumorix
