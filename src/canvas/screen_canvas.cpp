#include "screen_canvas.h"

#include <QColor>
#include <QPen>
#include <variant>

namespace lumorix {

namespace {

QColor toQColor(Colour colour) {
    return QColor(colour.red(), colour.green(), colour.blue());
}

// The window's design unit.
constexpr double layoutUnitsPerPixel = 15;

} // namespace

ScreenCanvas::ScreenCanvas(RandomSequence& random, QImage& surface)
    : Canvas(random)
    , surface_(surface) {}

QRect ScreenCanvas::flush() {
    painter_.reset();
    const QRect touched = damage_.toAlignedRect();
    damage_ = QRectF();
    return touched;
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

double ScreenCanvas::unitsPerPixel() const {
    return state().scale == CanvasScale::pixels ? 1 : layoutUnitsPerPixel;
}

QPointF ScreenCanvas::toPixels(float x, float y) const {
    return QPointF(x, y) / unitsPerPixel();
}

void ScreenCanvas::received(const CanvasCall& call) {
    // A margin for the pen's width and the rounding of aliased painting.
    const double margin = state().drawWidth + 1;
    if (const auto* line = std::get_if<DrawLine>(&call)) {
        const QPointF from = toPixels(line->x1, line->y1);
        const QPointF to = toPixels(line->x2, line->y2);
        QPainter& p = painter();
        p.setPen(pen(line->colour));
        p.drawLine(from, to);
        damage_ |= QRectF(from, to).normalized().adjusted(-margin, -margin, margin, margin);
    } else if (const auto* circle = std::get_if<DrawCircle>(&call)) {
        const QPointF centre = toPixels(circle->x, circle->y);
        const double radius = circle->radius / unitsPerPixel();
        QPainter& p = painter();
        p.setPen(pen(circle->colour));
        if (state().fillStyle == FillStyle::solid)
            p.setBrush(toQColor(state().fillColour));
        else
            p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, radius, radius);
        const double reach = radius + margin;
        damage_ |= QRectF(centre.x() - reach, centre.y() - reach, 2 * reach, 2 * reach);
    }
}

} // namespace lumorix
