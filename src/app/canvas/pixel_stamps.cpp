#include "pixel_stamps.h"

#include "qt_pen.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <utility>

namespace lumorix {

namespace {

// Colours that tell a probe's pen, brush and untouched pixels apart. A probe paints where the
// shape is about to go and puts the old pixels back afterwards.
constexpr QRgb penProbe = 0xFFFF0000;
constexpr QRgb brushProbe = 0xFF00FF00;
constexpr QRgb untouchedProbe = 0xFF0000FF;

// Lines at least this long have ends that do not meet, so each end can be learnt on its own.
constexpr float minLongLine = 4;
// How far the probe of a line end reaches towards the other end.
constexpr double probeLength = 16;
// What is learnt starts afresh beyond this many pages of tables (1 MiB), or tables (whose page
// lists take up to 4 KiB each), or stamps: a long session's memory stays within a few MiB.
constexpr std::size_t maxPages = 2048;
constexpr std::size_t maxTables = 256;

QRgb* rowOf(const StampTarget& target, int y) {
    return reinterpret_cast<QRgb*>(target.bits + y * target.bytesPerLine);
}

bool fits(const StampTarget& target, const QRect& box) {
    return box.left() >= 0 && box.top() >= 0 && box.right() < target.deviceSize.width() &&
           box.bottom() < target.deviceSize.height();
}

int devicePixel(double logical, qreal pixelRatio) {
    return static_cast<int>(std::floor(logical * pixelRatio));
}

// A device box from ranges along and across a line.
QRect lineBox(bool horizontal, std::pair<int, int> along, std::pair<int, int> across) {
    return horizontal
               ? QRect(QPoint(along.first, across.first), QPoint(along.second, across.second))
               : QRect(QPoint(across.first, along.first), QPoint(across.second, along.second));
}

} // namespace

// A device box of the image set aside for a probe: filled with the untouched colour, and put back
// as it was when the probe ends.
class PixelStamps::ProbeBox {
public:
    ProbeBox(const StampTarget& target, const QRect& box)
        : target_(target)
        , box_(box) {
        saved_.reserve(static_cast<std::size_t>(box.width()) * box.height());
        for (int y = box.top(); y <= box.bottom(); ++y) {
            QRgb* row = rowOf(target, y) + box.left();
            saved_.insert(saved_.end(), row, row + box.width());
            std::fill_n(row, box.width(), untouchedProbe);
        }
    }
    ~ProbeBox() {
        auto next = saved_.cbegin();
        for (int y = box_.top(); y <= box_.bottom(); ++y, next += box_.width())
            std::copy_n(next, box_.width(), rowOf(target_, y) + box_.left());
    }
    ProbeBox(const ProbeBox&) = delete;
    ProbeBox& operator=(const ProbeBox&) = delete;

    QRgb at(int x, int y) const { return rowOf(target_, y)[x]; }
    // A shape that reaches the border may go on beyond the box.
    bool onBorder(int x, int y) const {
        return x == box_.left() || x == box_.right() || y == box_.top() || y == box_.bottom();
    }

private:
    const StampTarget& target_;
    QRect box_;
    std::vector<QRgb> saved_;
};

void PixelStamps::trim() {
    if (pages_ <= maxPages && tables_.size() <= maxTables && stamps_.size() < maxStamps)
        return;
    tables_.clear();
    pages_ = 0;
    stamps_.clear();
    stampIds_.clear();
    lastTable_ = nullptr;
}

std::uint16_t PixelStamps::idOf(Stamp learnt) {
    if (std::visit([](const auto& stamp) { return stamp.empty(); }, learnt))
        return generalPath;
    const auto found = stampIds_.find(learnt);
    if (found != stampIds_.end())
        return found->second;
    if (stamps_.size() >= maxStamps)
        return generalPath;
    const auto id = static_cast<std::uint16_t>(stamps_.size() + firstStamp);
    stamps_.push_back(learnt);
    stampIds_.emplace(std::move(learnt), id);
    return id;
}

template <typename Learn>
auto PixelStamps::stampFor(const TableKey& key, const SubPixel& along, Learn&& learn) -> const
    typename std::invoke_result_t<Learn>::value_type* {
    using Learnt = typename std::invoke_result_t<Learn>::value_type;
    const TableId id{key, along.exponent};
    if (!lastTable_ || lastId_ != id) {
        // The fraction counts the coordinate's last bits, of which the octave leaves 23 - e.
        const std::size_t pages = (std::size_t{1} << (23 - along.exponent)) / pageSize;
        lastTable_ = &tables_.try_emplace(id, pages).first->second;
        lastId_ = id;
    }
    std::unique_ptr<Page>& page = (*lastTable_)[along.fraction / pageSize];
    if (!page) {
        page = std::make_unique<Page>(); // all notLearnt
        ++pages_;
    }
    std::uint16_t& entry = (*page)[along.fraction % pageSize];
    if (entry == notLearnt) {
        std::optional<Learnt> learnt = learn();
        entry = learnt ? idOf(std::move(*learnt)) : generalPath;
    }
    return entry >= firstStamp ? std::get_if<Learnt>(&stamps_[entry - firstStamp]) : nullptr;
}

template <typename Paint>
std::optional<PixelStamps::AreaStamp> PixelStamps::learnArea(StampTarget& target, const QRect& box,
                                                             QPoint anchor, int penWidth,
                                                             Paint&& paint) {
    const ProbeBox probe(target, box);
    QPainter& painter = target.painter();
    painter.setPen(scenePen(QColor::fromRgb(penProbe), penWidth));
    paint(painter);

    AreaStamp stamp;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QRgb colour = probe.at(x, y);
            if (colour == untouchedProbe)
                continue;
            if ((colour != penProbe && colour != brushProbe) || probe.onBorder(x, y))
                return std::nullopt;
            const bool pen = colour == penProbe;
            const int across = y - anchor.y();
            const int along = x - anchor.x();
            Run* last = stamp.empty() ? nullptr : &stamp.back();
            if (last && last->across == across && last->to == along - 1 && last->pen == pen)
                last->to = along;
            else
                stamp.push_back({across, along, along, pen});
        }
    }
    return stamp;
}

void PixelStamps::stampArea(StampTarget& target, const AreaStamp& stamp, QPoint anchor, QRgb pen,
                            QRgb fill) {
    for (const Run& run : stamp) {
        QRgb* row = rowOf(target, anchor.y() + run.across) + anchor.x();
        std::fill(row + run.from, row + run.to + 1, run.pen ? pen : fill);
    }
}

bool PixelStamps::drawCircle(StampTarget& target, float x, float y, float radius, int penWidth,
                             QRgb pen, std::optional<QRgb> fill) {
    const qreal ratio = target.pixelRatio;
    if (!stampsAt(ratio, Smoothing::aliased) || !isStampedCircle(radius, penWidth))
        return false;
    const auto column = gridPosition(x, ratio);
    const auto row = gridPosition(y, ratio);
    if (!column || !row)
        return false;
    const QPoint anchor(column->pixel, row->pixel);
    const int margin = static_cast<int>((radius + penWidth + 2) * ratio) + 1;
    const QRect box(anchor - QPoint(margin, margin), anchor + QPoint(margin, margin));
    if (!fits(target, box))
        return false;

    const TableKey key{.shape = Shape::circle,
                       .filled = fill.has_value(),
                       .penWidth = penWidth,
                       .radiusBits = std::bit_cast<std::uint32_t>(radius),
                       .pixelRatio = static_cast<int>(ratio),
                       .acrossExponent = row->exponent,
                       .acrossFraction = row->fraction};
    const AreaStamp* stamp = stampFor(key, *column, [&] {
        return learnArea(target, box, anchor, penWidth, [&](QPainter& painter) {
            painter.setBrush(fill ? QBrush(QColor::fromRgb(brushProbe)) : QBrush(Qt::NoBrush));
            painter.drawEllipse(QPointF(x, y), radius, radius);
        });
    });
    if (!stamp)
        return false;
    stampArea(target, *stamp, anchor, pen, fill.value_or(pen));
    return true;
}

bool PixelStamps::drawLine(StampTarget& target, float x1, float y1, float x2, float y2,
                           int penWidth, QRgb pen) {
    const qreal ratio = target.pixelRatio;
    if (!stampsAt(ratio, Smoothing::aliased) ||
        !isStampedLine(x1, y1, x2, y2, penWidth, Smoothing::aliased))
        return false;
    const bool horizontal = y1 == y2;
    const float start = horizontal ? x1 : y1;
    const float end = horizontal ? x2 : y2;
    if (std::fabs(end - start) >= minLongLine)
        return drawLongLine(target, horizontal, start, end, horizontal ? y1 : x1, penWidth, pen);
    return drawShortLine(target, x1, y1, x2, y2, penWidth, pen);
}

bool PixelStamps::drawShortLine(StampTarget& target, float x1, float y1, float x2, float y2,
                                int penWidth, QRgb pen) {
    const qreal ratio = target.pixelRatio;
    const bool horizontal = y1 == y2;
    const auto from = gridPosition(horizontal ? x1 : y1, ratio);
    const auto to = gridPosition(horizontal ? x2 : y2, ratio);
    const auto across = gridPosition(horizontal ? y1 : x1, ratio);
    if (!from || !to || !across)
        return false;
    const QPoint anchor =
        horizontal ? QPoint(from->pixel, across->pixel) : QPoint(across->pixel, from->pixel);
    const int margin = static_cast<int>(std::ceil((minLongLine + penWidth + 2) * ratio));
    const QRect box(anchor - QPoint(margin, margin), anchor + QPoint(margin, margin));
    if (!fits(target, box))
        return false;

    const TableKey key{.shape = Shape::shortLine,
                       .horizontal = horizontal,
                       .penWidth = penWidth,
                       .pixelRatio = static_cast<int>(ratio),
                       .acrossExponent = across->exponent,
                       .acrossFraction = across->fraction,
                       .span = to->pixel - from->pixel,
                       .startExponent = from->exponent,
                       .startFraction = from->fraction};
    const AreaStamp* stamp = stampFor(key, *to, [&] {
        return learnArea(target, box, anchor, penWidth, [&](QPainter& painter) {
            painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
        });
    });
    if (!stamp)
        return false;
    stampArea(target, *stamp, anchor, pen, pen);
    return true;
}

bool PixelStamps::drawLongLine(StampTarget& target, bool horizontal, float start, float end,
                               float acrossAt, int penWidth, QRgb pen) {
    const qreal ratio = target.pixelRatio;
    const auto from = gridPosition(start, ratio);
    const auto to = gridPosition(end, ratio);
    const auto across = gridPosition(acrossAt, ratio);
    if (!from || !to || !across)
        return false;
    const int direction = end > start ? 1 : -1;

    // The line and the probes of its two ends, each reaching probeLength inwards, must lie
    // within the image.
    const int margin = static_cast<int>(std::ceil((penWidth + 2) * ratio));
    const auto boxAlong = [&](int a, int b) {
        const auto [low, high] = std::minmax({a, b});
        return lineBox(horizontal, {low - margin, high + margin},
                       {across->pixel - margin, across->pixel + margin});
    };
    const QRect startProbe =
        boxAlong(from->pixel, devicePixel(double(start) + direction * probeLength, ratio));
    const QRect endProbe =
        boxAlong(to->pixel, devicePixel(double(end) - direction * probeLength, ratio));
    if (!fits(target, boxAlong(from->pixel, to->pixel)) || !fits(target, startProbe) ||
        !fits(target, endProbe))
        return false;

    TableKey key{.shape = Shape::lineStart,
                 .horizontal = horizontal,
                 .direction = direction,
                 .penWidth = penWidth,
                 .pixelRatio = static_cast<int>(ratio),
                 .acrossExponent = across->exponent,
                 .acrossFraction = across->fraction};
    const EndStamp* head = stampFor(key, *from, [&] {
        return learnLineEnd(target, key, start, acrossAt, startProbe, *from, *across);
    });
    key.shape = Shape::lineEnd;
    const EndStamp* tail = stampFor(
        key, *to, [&] { return learnLineEnd(target, key, end, acrossAt, endProbe, *to, *across); });
    const auto sameRow = [](const LineEnd& a, const LineEnd& b) { return a.across == b.across; };
    if (!head || !tail ||
        !std::equal(head->begin(), head->end(), tail->begin(), tail->end(), sameRow))
        return false;

    for (std::size_t i = 0; i < head->size(); ++i) {
        const auto [low, high] =
            std::minmax({from->pixel + (*head)[i].outermost, to->pixel + (*tail)[i].outermost});
        const int at = across->pixel + (*head)[i].across;
        if (horizontal) {
            QRgb* row = rowOf(target, at);
            std::fill(row + low, row + high + 1, pen);
        } else {
            uchar* pixel = reinterpret_cast<uchar*>(rowOf(target, low) + at);
            for (int y = low; y <= high; ++y, pixel += target.bytesPerLine)
                *reinterpret_cast<QRgb*>(pixel) = pen;
        }
    }
    return true;
}

std::optional<PixelStamps::EndStamp>
PixelStamps::learnLineEnd(StampTarget& target, const TableKey& key, float at, float acrossAt,
                          const QRect& box, const SubPixel& along, const SubPixel& across) {
    const bool horizontal = key.horizontal;
    // The probe is drawn the way the line is: from its start towards its end.
    const int inwards = key.shape == Shape::lineStart ? key.direction : -key.direction;
    const double far = double(at) + inwards * probeLength;
    const auto point = [&](double a) {
        return horizontal ? QPointF(a, acrossAt) : QPointF(acrossAt, a);
    };
    const ProbeBox probe(target, box);
    QPainter& painter = target.painter();
    painter.setPen(scenePen(QColor::fromRgb(penProbe), key.penWidth));
    if (key.shape == Shape::lineStart)
        painter.drawLine(point(at), point(far));
    else
        painter.drawLine(point(far), point(at));

    const auto [acrossLow, acrossHigh] =
        horizontal ? std::pair(box.top(), box.bottom()) : std::pair(box.left(), box.right());
    const auto [alongLow, alongHigh] =
        horizontal ? std::pair(box.left(), box.right()) : std::pair(box.top(), box.bottom());
    EndStamp stamp;
    for (int a = acrossLow; a <= acrossHigh; ++a) {
        std::optional<std::pair<int, int>> run;
        for (int b = alongLow; b <= alongHigh; ++b) {
            const int x = horizontal ? b : a;
            const int y = horizontal ? a : b;
            const QRgb colour = probe.at(x, y);
            if (colour == untouchedProbe)
                continue;
            // One solid run per row, inside the box.
            if (colour != penProbe || probe.onBorder(x, y) || (run && run->second != b - 1))
                return std::nullopt;
            run = std::pair(run ? run->first : b, b);
        }
        if (!run)
            continue;
        stamp.push_back({a - across.pixel, (inwards > 0 ? run->first : run->second) - along.pixel});
    }
    return stamp;
}

} // namespace lumorix
