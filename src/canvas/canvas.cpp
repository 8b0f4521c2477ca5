#include "canvas.h"

#include "core/conversions.h"

namespace lumorix {

void Canvas::setScalePixels() {
    received(SetScalePixels{});
}

void Canvas::drawLine(double x1, double y1, double x2, double y2) {
    received(DrawLine{toSingle(x1), toSingle(y1), toSingle(x2), toSingle(y2), std::nullopt});
}

void Canvas::drawLine(double x1, double y1, double x2, double y2, Colour colour) {
    received(DrawLine{toSingle(x1), toSingle(y1), toSingle(x2), toSingle(y2), colour});
}

void Canvas::drawCircle(double x, double y, double radius) {
    received(DrawCircle{toSingle(x), toSingle(y), toSingle(radius), std::nullopt});
}

void Canvas::drawCircle(double x, double y, double radius, Colour colour) {
    received(DrawCircle{toSingle(x), toSingle(y), toSingle(radius), colour});
}

void Canvas::setDrawWidth(int width) {
    state_.drawWidth = width;
    received(SetDrawWidth{width});
}

void Canvas::setFillSolid() {
    state_.fillStyle = FillStyle::solid;
    received(SetFillSolid{});
}

void Canvas::setFillColour(Colour colour) {
    state_.fillColour = colour;
    received(SetFillColour{colour});
}

float Canvas::nextRandom() {
    const float value = random_.next();
    received(NextRandom{value});
    return value;
}

} // namespace lumorix
