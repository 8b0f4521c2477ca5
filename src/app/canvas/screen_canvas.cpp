#include "screen_canvas.h"

#include "qt_colour.h"
#include "qt_pen.h"
#include "small_disc.h"

#include <algorithm>
#include <limits>
#include <tuple>
#include <utility>
#include <variant>

namespace lumorix {

namespace {

// One side of an area, from low to high, within the surface's size, as QRectF::intersected()
// gives it; false when none of it is. Without the library calls that cost more than the stamping
// of an impact dot.
inline bool within(double from, double length, double size, double& low, double& high) {
    low = from;
    high = from;
    (length < 0 ? low : high) += length;
    return low != high && low < size && high > 0;
}

// The whole pixels, from first to last, that a side within the size covers, as
// QRectF::toAlignedRect() gives them.
inline std::pair<int, int> coveredPixels(double low, double high, double size) {
    low = qMax(low, 0.0);
    high = qMin(high, size);
    const int whole = static_cast<int>(high);
    return {static_cast<int>(low), whole + (high > whole ? 1 : 0) - 1};
}

// The union of boxes, as QRegion would make it box by box but at once: bands of rows, each a row
// of boxes apart from one another, a band as tall as the rows alike.
QRegion unionOf(const std::vector<QRect>& boxes) {
    if (boxes.size() < 2)
        return boxes.empty() ? QRegion() : QRegion(boxes.front());
    std::vector<int> edges;
    edges.reserve(2 * boxes.size());
    for (const QRect& box : boxes) {
        edges.push_back(box.top());
        edges.push_back(box.bottom() + 1);
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    std::vector<QRect> rects;
    rects.reserve(edges.size() * boxes.size());
    std::size_t bandStart = 0; // the previous band's first rect in rects
    std::vector<std::pair<int, int>> previous;
    std::vector<std::pair<int, int>> spans;
    previous.reserve(boxes.size());
    spans.reserve(boxes.size());
    for (std::size_t edge = 0; edge + 1 < edges.size(); ++edge) {
        const int top = edges[edge];
        const int bottom = edges[edge + 1] - 1;
        spans.clear();
        for (const QRect& box : boxes) {
            if (box.top() <= top && bottom <= box.bottom())
                spans.emplace_back(box.left(), box.right());
        }
        std::sort(spans.begin(), spans.end());
        std::size_t joined = 0;
        for (std::size_t i = 1; i < spans.size(); ++i) {
            if (spans[i].first <= spans[joined].second + 1)
                spans[joined].second = std::max(spans[joined].second, spans[i].second);
            else
                spans[++joined] = spans[i];
        }
        spans.resize(spans.empty() ? 0 : joined + 1);
        if (!spans.empty() && spans == previous && !rects.empty() &&
            rects.back().bottom() + 1 == top) {
            for (std::size_t i = bandStart; i < rects.size(); ++i)
                rects[i].setBottom(bottom);
            continue;
        }
        bandStart = rects.size();
        for (const auto& [left, right] : spans)
            rects.emplace_back(QPoint(left, top), QPoint(right, bottom));
        previous = spans;
    }
    QRegion region;
    region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
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
    settleRow();
    const QRegion region = unionOf(touched_);
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
    if (reach.y() != row_.from || reach.height() != row_.length) {
        settleRow();
        double top = 0;
        double bottom = 0;
        row_.from = reach.y();
        row_.length = reach.height();
        row_.visible = within(reach.y(), reach.height(), size.height(), top, bottom);
        if (row_.visible)
            std::tie(row_.first, row_.last) = coveredPixels(top, bottom, size.height());
    }
    double left = 0;
    double right = 0;
    if (row_.visible && within(reach.x(), reach.width(), size.width(), left, right)) {
        row_.left = std::min(row_.left, left);
        row_.right = std::max(row_.right, right);
    }
}

void ScreenCanvas::settleRow() {
    if (!(row_.left < row_.right))
        return;
    const auto [left, right] = coveredPixels(row_.left, row_.right, surface_.logicalSize().width());
    row_.left = std::numeric_limits<double>::infinity();
    row_.right = -std::numeric_limits<double>::infinity();
    const QRect box(QPoint(left, row_.first), QPoint(right, row_.last));
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
