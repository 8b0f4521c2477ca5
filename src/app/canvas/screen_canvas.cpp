#include "screen_canvas.h"

#include "qt_colour.h"
#include "qt_pen.h"
#include "small_disc.h"

#include <algorithm>
#include <utility>
#include <variant>

namespace lumorix {

namespace {

// The whole pixels, from first to last, that one side of an area covers within the surface's
// size, as QRectF::intersected() and QRectF::toAlignedRect() give them, without the library calls
// that cost more than the stamping of an impact dot; none when first > last.
inline std::pair<int, int> coveredPixels(double from, double length, double size) {
    double low = from;
    double high = from;
    (length < 0 ? low : high) += length;
    if (low == high || low >= size || high <= 0)
        return {1, 0};
    low = qMax(low, 0.0);
    high = qMin(high, size);
    const int first = static_cast<int>(low);
    const int whole = static_cast<int>(high);
    return {first, whole + (high > whole ? 1 : 0) - 1};
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
    , learnsForItself_(true) {}

ScreenCanvas::ScreenCanvas(RandomSequence& random, ScreenSurface& surface, ScreenCanvas& learner)
    : Canvas(random)
    , surface_(surface)
    , path_(learner.path_)
    , learnsForItself_(false)
    , stamps_(learner.stamps_) {}

void ScreenCanvas::flush() {
    open_.reset();
    if (learnsForItself_)
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
    if (!learnsForItself_)
        return;
    // A margin for the pen's width and the rounding of aliased painting.
    const double margin = state().drawWidth + 1;
    // Clipped while still in floating point: field texts can put a shape far beyond the range
    // of whole pixels.
    const QRectF reach = area.adjusted(-margin, -margin, margin, margin);
    const QSize size = surface_.logicalSize();
    // The dots of a row share their rows.
    if (reach.y() != rows_.from || reach.height() != rows_.length) {
        const auto [top, bottom] = coveredPixels(reach.y(), reach.height(), size.height());
        rows_ = {reach.y(), reach.height(), top, bottom};
    }
    if (rows_.first > rows_.last)
        return;
    const auto [left, right] = coveredPixels(reach.x(), reach.width(), size.width());
    if (left > right)
        return;
    const QRect box(QPoint(left, rows_.first), QPoint(right, rows_.last));
    const auto sameRows = [&box](const QRect& b) {
        return b.top() == box.top() && b.bottom() == box.bottom();
    };
    // Most often the box of the call before.
    const auto last = !touched_.empty() && sameRows(touched_.back())
                          ? touched_.end() - 1
                          : std::find_if(touched_.begin(), touched_.end(), sameRows);
    if (last == touched_.end()) {
        touched_.push_back(box);
    } else {
        last->setLeft(std::min(last->left(), box.left()));
        last->setRight(std::max(last->right(), box.right()));
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
