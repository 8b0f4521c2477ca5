#include "screen_canvas.h"

#include "qt_colour.h"
#include "qt_pen.h"
#include "small_disc.h"

#include <algorithm>
#include <variant>

namespace lumorix {

namespace {

// The smallest whole-pixel rectangle around an area that lies within the surface, as
// QRectF::toAlignedRect() gives it, without the library calls that cost more than the stamping
// of an impact dot.
QRect alignedRect(const QRectF& area) {
    const auto floor = [](double v) {
        const int whole = static_cast<int>(v);
        return whole - (v < whole ? 1 : 0);
    };
    const auto ceil = [](double v) {
        const int whole = static_cast<int>(v);
        return whole + (v > whole ? 1 : 0);
    };
    const int left = floor(area.left());
    const int top = floor(area.top());
    return QRect(left, top, ceil(area.right()) - left, ceil(area.bottom()) - top);
}

} // namespace

ScreenCanvas::Open::Open(ScreenSurface& surface)
    : painting(surface)
    , target{painting.bits(), painting.bytesPerLine(), painting.image().size(),
             painting.image().devicePixelRatio(), [this]() -> QPainter& { return painter(); }} {}

QPainter& ScreenCanvas::Open::painter() {
    if (!painter_) {
        painter_.emplace(&painting.image());
        painter_->setRenderHint(QPainter::Antialiasing, false);
    }
    return *painter_;
}

ScreenCanvas::ScreenCanvas(RandomSequence& random, ScreenSurface& surface, DrawingPath path)
    : Canvas(random)
    , surface_(surface)
    , path_(path)
    , stamps_(ownStamps_) {}

ScreenCanvas::ScreenCanvas(RandomSequence& random, ScreenSurface& surface, ScreenCanvas& learner)
    : Canvas(random)
    , surface_(surface)
    , path_(learner.path_)
    , stamps_(learner.stamps_) {}

void ScreenCanvas::flush() {
    open_.reset();
    stamps_.trim();
    QRegion region;
    for (const QRect& box : touched_)
        region += box;
    touched_.clear();
    if (!region.isEmpty())
        surface_.touched(region);
}

ScreenCanvas::Open& ScreenCanvas::open() {
    if (!open_)
        open_.emplace(surface_);
    return *open_;
}

QPen ScreenCanvas::pen(const std::optional<Colour>& colour) const {
    return scenePen(toQColor(colour.value_or(colours::foreground)), state().drawWidth);
}

void ScreenCanvas::touched(const QRectF& area) {
    // A margin for the pen's width and the rounding of aliased painting.
    const double margin = state().drawWidth + 1;
    // Clipped while still in floating point: field texts can put a shape far beyond the range
    // of whole pixels.
    const QRectF visible = area.adjusted(-margin, -margin, margin, margin)
                               .intersected(QRectF(QPointF(0, 0), surface_.logicalSize()));
    if (visible.isEmpty())
        return;
    const QRect box = alignedRect(visible);
    const auto sameRows = std::find_if(touched_.begin(), touched_.end(), [&box](const QRect& b) {
        return b.top() == box.top() && b.bottom() == box.bottom();
    });
    if (sameRows == touched_.end()) {
        touched_.push_back(box);
    } else {
        sameRows->setLeft(std::min(sameRows->left(), box.left()));
        sameRows->setRight(std::max(sameRows->right(), box.right()));
    }
}

void ScreenCanvas::received(const CanvasCall& call) {
    std::visit([this](const auto& c) { draw(c); }, call);
}

void ScreenCanvas::draw(const DrawLine& line) {
    const QPointF from(line.x1, line.y1);
    const QPointF to(line.x2, line.y2);
    touched(QRectF(from, to).normalized());
    Open& surface = open();
    const Colour colour = line.colour.value_or(colours::foreground);
    if (path_ == DrawingPath::fast && stamps_.drawLine(surface.target, line.x1, line.y1, line.x2,
                                                       line.y2, state().drawWidth, toQRgb(colour)))
        return;
    QPainter& painter = surface.painter();
    painter.setPen(pen(line.colour));
    painter.drawLine(from, to);
}

void ScreenCanvas::draw(const DrawCircle& circle) {
    const QPointF centre(circle.x, circle.y);
    touched(QRectF(centre.x() - circle.radius, centre.y() - circle.radius, 2 * circle.radius,
                   2 * circle.radius));
    Open& surface = open();
    const bool filled = state().fillStyle == FillStyle::solid;
    const Colour colour = circle.colour.value_or(colours::foreground);
    if (path_ == DrawingPath::fast &&
        stamps_.drawCircle(surface.target, circle.x, circle.y, circle.radius, state().drawWidth,
                           toQRgb(colour),
                           filled ? std::optional(toQRgb(state().fillColour)) : std::nullopt))
        return;
    // Where nothing is stamped, a dot of one colour is a disc of its pixels.
    const qreal ratio = surface.target.pixelRatio;
    if (path_ == DrawingPath::fast && ratio != 1 && ratio != 2 && filled &&
        state().fillColour == colour &&
        paintSmallDisc(surface.target, circle.x, circle.y, circle.radius, state().drawWidth,
                       toQRgb(colour)))
        return;
    QPainter& painter = surface.painter();
    painter.setPen(pen(circle.colour));
    if (filled)
        painter.setBrush(toQColor(state().fillColour));
    else
        painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, circle.radius, circle.radius);
}

} // namespace lumorix
