#include "pixel_stamps.h"

#include "qt_pen.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>
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
constexpr std::size_t maxStamps = 4096;

// The stamp id of each fraction along a table, in pages made when first needed: most tables see
// a handful of fractions (the end of a line at a whole pixel), a few see thousands (impact dots).
constexpr std::size_t pageSize = 256;
using Entry = std::atomic<std::uint16_t>;
using Page = std::array<Entry, pageSize>;
constexpr std::uint16_t notLearnt = 0;
constexpr std::uint16_t generalPath = 1;
constexpr std::uint16_t firstStamp = 2;

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

// Fills pixels with one colour, given four times over, in as few stores as it takes: the spans of
// a stamp are mostly a few pixels long, too short for a loop to pay for itself.
[[gnu::always_inline]] inline void fillShort(QRgb* pixels, int count,
                                             const std::array<QRgb, 4>& colour) {
    if (count > 8) {
        // Blocks of four, the last overlapping the one before.
        for (int i = 0; i < count - 4; i += 4)
            std::memcpy(pixels + i, colour.data(), sizeof colour);
        std::memcpy(pixels + count - 4, colour.data(), sizeof colour);
    } else if (count >= 4) {
        std::memcpy(pixels, colour.data(), sizeof colour);
        std::memcpy(pixels + count - 4, colour.data(), sizeof colour);
    } else if (count >= 2) {
        std::memcpy(pixels, colour.data(), 2 * sizeof(QRgb));
        std::memcpy(pixels + count - 2, colour.data(), 2 * sizeof(QRgb));
    } else if (count == 1) {
        *pixels = colour[0];
    }
}

// Paints spans from an anchor pixel in one colour.
template <typename Spans>
void paintSpans(const StampTarget& target, const Spans& spans, QPoint anchor, QRgb colour) {
    const qsizetype stride = target.bytesPerLine / qsizetype{sizeof(QRgb)};
    QRgb* const origin = rowOf(target, anchor.y()) + anchor.x();
    const std::array<QRgb, 4> four{colour, colour, colour, colour};
    for (const auto& span : spans)
        fillShort(origin + span.across * stride + span.from, span.length, four);
}

} // namespace

// The pages of one table's stamp ids. A page, once made, stays until everything is forgotten.
struct PixelStamps::Table {
    explicit Table(std::size_t pageCount)
        : pages(std::make_unique<std::atomic<Page*>[]>(pageCount)) {}
    std::unique_ptr<std::atomic<Page*>[]> pages;
};

// What a learner and the stamps made from it have learnt. Reading a stamp id, and the stamp
// behind it, takes no lock: an id is stored in its page only once the stamp it names is in
// place, and a page is hung into its table only once made. Adding a table, a page or a stamp
// takes the lock. Two users that meet the same new place at once both learn it, with the same
// result.
class PixelStamps::Learnt {
public:
    Table& table(const TableId& id) {
        const std::lock_guard lock(mutex_);
        const auto found = tables_.find(id);
        if (found != tables_.end())
            return found->second;
        // The fraction counts the coordinate's last bits, of which the octave leaves 23 - e.
        const std::size_t pages = (std::size_t{1} << (23 - id.alongExponent)) / pageSize;
        return tables_.try_emplace(id, pages).first->second;
    }

    // The page of a table that holds a fraction.
    Page& page(Table& table, std::uint32_t fraction) {
        std::atomic<Page*>& slot = table.pages[fraction / pageSize];
        if (Page* page = slot.load(std::memory_order_acquire))
            return *page;
        const std::lock_guard lock(mutex_);
        if (Page* page = slot.load(std::memory_order_relaxed))
            return *page;
        Page& page = pages_.emplace_back(); // all notLearnt
        slot.store(&page, std::memory_order_release);
        return page;
    }

    const Stamp& stamp(std::uint16_t id) const { return *byId_[id - firstStamp]; }

    // The id of a stamp just learnt, the same for the same pixels.
    std::uint16_t idOf(Stamp learnt) {
        const auto* area = std::get_if<AreaStamp>(&learnt);
        if (area ? area->both.empty() : std::get<EndStamp>(learnt).empty())
            return generalPath;
        const std::lock_guard lock(mutex_);
        const auto found = ids_.find(learnt);
        if (found != ids_.end())
            return found->second;
        if (stamps_.size() >= maxStamps)
            return generalPath;
        if (byId_.empty())
            byId_.resize(maxStamps);
        const auto id = static_cast<std::uint16_t>(stamps_.size() + firstStamp);
        byId_[id - firstStamp] = &stamps_.emplace_back(learnt);
        ids_.emplace(std::move(learnt), id);
        return id;
    }

    // Changes whenever everything is forgotten: a user checks it before it uses a table it
    // remembers.
    std::uint64_t generation() const { return generation_; }

    void trim() {
        const std::lock_guard lock(mutex_);
        if (pages_.size() <= maxPages && tables_.size() <= maxTables && stamps_.size() < maxStamps)
            return;
        tables_.clear();
        pages_.clear();
        stamps_.clear();
        ids_.clear();
        ++generation_;
    }

private:
    std::mutex mutex_;
    std::map<TableId, Table> tables_;
    std::deque<Page> pages_; // a deque, so pages in use stay put when one is added
    std::deque<Stamp> stamps_;
    std::map<Stamp, std::uint16_t> ids_;
    // Sized once, when the first stamp is learnt, so that readers need no lock.
    std::vector<const Stamp*> byId_;
    std::uint64_t generation_ = 1;
};

PixelStamps::PixelStamps()
    : own_(std::make_unique<Learnt>())
    , learnt_(*own_) {}

PixelStamps::PixelStamps(PixelStamps& learner)
    : learnt_(learner.learnt_) {}

PixelStamps::~PixelStamps() = default;

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
    learnt_.trim();
}

PixelStamps::Table& PixelStamps::tableFor(const TableId& id) {
    Recent& recent = recent_[static_cast<std::size_t>(id.key.shape)];
    if (recent.table && recent.generation == learnt_.generation() && recent.id == id)
        return *recent.table;
    recent = {id, &learnt_.table(id), learnt_.generation()};
    return *recent.table;
}

template <typename Learn>
auto PixelStamps::stampIn(Table& table, const SubPixel& along, Learn&& learn) -> const
    typename std::invoke_result_t<Learn>::value_type* {
    using Learnt = typename std::invoke_result_t<Learn>::value_type;
    Entry& entry = learnt_.page(table, along.fraction)[along.fraction % pageSize];
    std::uint16_t id = entry.load(std::memory_order_acquire);
    if (id == notLearnt) {
        std::optional<Learnt> learnt = learn();
        id = learnt ? learnt_.idOf(std::move(*learnt)) : generalPath;
        entry.store(id, std::memory_order_release);
    }
    return id >= firstStamp ? std::get_if<Learnt>(&learnt_.stamp(id)) : nullptr;
}

// Learning is rare once the scene's places are known: kept out of the way of stamping.
template <typename Paint>
[[gnu::noinline]] std::optional<PixelStamps::AreaStamp>
PixelStamps::learnArea(StampTarget& target, const QRect& box, QPoint anchor, int penWidth,
                       Paint&& paint) {
    const ProbeBox probe(target, box);
    QPainter& painter = target.painter();
    painter.setPen(scenePen(QColor::fromRgb(penProbe), penWidth));
    paint(painter);

    AreaStamp stamp;
    const auto add = [](std::vector<Span>& spans, int across, int along) {
        if (!spans.empty() && spans.back().across == across &&
            spans.back().from + spans.back().length == along)
            ++spans.back().length;
        else
            spans.push_back({across, along, 1});
    };
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QRgb colour = probe.at(x, y);
            if (colour == untouchedProbe)
                continue;
            if ((colour != penProbe && colour != brushProbe) || probe.onBorder(x, y))
                return std::nullopt;
            add(colour == penProbe ? stamp.pen : stamp.brush, y - anchor.y(), x - anchor.x());
            add(stamp.both, y - anchor.y(), x - anchor.x());
        }
    }
    return stamp;
}

bool PixelStamps::drawCircle(StampTarget& target, float x, float y, float radius, int penWidth,
                             QRgb pen, std::optional<QRgb> fill) {
    const qreal ratio = target.pixelRatio;
    if (!stampsAt(ratio, Smoothing::aliased) || !isStampedCircle(radius, penWidth))
        return false;
    const auto column = gridPosition(x, ratio);
    if (!column)
        return false;
    // The dots of a row differ only in x, mostly within one octave: they share their row, their
    // margin and their table.
    const Circle circle{std::bit_cast<std::uint32_t>(y),
                        std::bit_cast<std::uint32_t>(radius),
                        penWidth,
                        fill.has_value(),
                        static_cast<int>(ratio),
                        column->exponent,
                        learnt_.generation()};
    const auto boxAround = [](QPoint anchor, int margin) {
        return QRect(anchor - QPoint(margin, margin), anchor + QPoint(margin, margin));
    };
    if (!recentCircle_.table || recentCircle_.circle != circle) {
        const auto row = gridPosition(y, ratio);
        const int margin = static_cast<int>((radius + penWidth + 2) * ratio) + 1;
        if (!row || !fits(target, boxAround({column->pixel, row->pixel}, margin)))
            return false;
        const TableKey key{.shape = Shape::circle,
                           .filled = fill.has_value(),
                           .penWidth = penWidth,
                           .radiusBits = circle.radiusBits,
                           .pixelRatio = circle.pixelRatio,
                           .acrossExponent = row->exponent,
                           .acrossFraction = row->fraction};
        recentCircle_ = {circle, &tableFor({key, column->exponent}), row->pixel, margin};
    }
    const QPoint anchor(column->pixel, recentCircle_.row);
    const QRect box = boxAround(anchor, recentCircle_.margin);
    if (!fits(target, box))
        return false;

    const AreaStamp* stamp = stampIn(*recentCircle_.table, *column, [&] {
        return learnArea(target, box, anchor, penWidth, [&](QPainter& painter) {
            painter.setBrush(fill ? QBrush(QColor::fromRgb(brushProbe)) : QBrush(Qt::NoBrush));
            painter.drawEllipse(QPointF(x, y), radius, radius);
        });
    });
    if (!stamp)
        return false;
    if (fill && *fill != pen) {
        paintSpans(target, stamp->pen, anchor, pen);
        paintSpans(target, stamp->brush, anchor, *fill);
    } else {
        paintSpans(target, stamp->both, anchor, pen);
    }
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
    const AreaStamp* stamp = stampIn(tableFor({key, to->exponent}), *to, [&] {
        return learnArea(target, box, anchor, penWidth, [&](QPainter& painter) {
            painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
        });
    });
    if (!stamp)
        return false;
    paintSpans(target, stamp->both, anchor, pen);
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
    const EndStamp* head = stampIn(tableFor({key, from->exponent}), *from, [&] {
        return learnLineEnd(target, key, start, acrossAt, startProbe, *from, *across);
    });
    key.shape = Shape::lineEnd;
    const EndStamp* tail = stampIn(tableFor({key, to->exponent}), *to, [&] {
        return learnLineEnd(target, key, end, acrossAt, endProbe, *to, *across);
    });
    const auto sameRow = [](const LineEnd& a, const LineEnd& b) { return a.across == b.across; };
    if (!head || !tail ||
        !std::equal(head->begin(), head->end(), tail->begin(), tail->end(), sameRow))
        return false;

    if (horizontal) {
        for (std::size_t i = 0; i < head->size(); ++i) {
            const auto [low, high] =
                std::minmax({from->pixel + (*head)[i].outermost, to->pixel + (*tail)[i].outermost});
            QRgb* row = rowOf(target, across->pixel + (*head)[i].across);
            std::fill(row + low, row + high + 1, pen);
        }
        return true;
    }
    // Row by row, each row's few pixels at once: a column at a time would fetch every row of a
    // tall line once per column. A line has a column for each device pixel of its width and its
    // rounding, a few; the probe's box would hold more.
    struct Column {
        int at;
        int low;
        int high;
    };
    std::array<Column, 16> columns;
    const std::size_t count = head->size();
    if (count > columns.size())
        return false;
    // The rows where every column is solid, and the rows above and below them.
    int top = target.deviceSize.height();
    int bottom = -1;
    int solidTop = -1;
    int solidBottom = target.deviceSize.height();
    for (std::size_t i = 0; i < count; ++i) {
        const auto [low, high] =
            std::minmax({from->pixel + (*head)[i].outermost, to->pixel + (*tail)[i].outermost});
        columns[i] = {across->pixel + (*head)[i].across, low, high};
        top = std::min(top, low);
        bottom = std::max(bottom, high);
        solidTop = std::max(solidTop, low);
        solidBottom = std::min(solidBottom, high);
    }
    const qsizetype stride = target.bytesPerLine / qsizetype{sizeof(QRgb)};
    const auto paintRows = [&](int first, int last) {
        QRgb* row = rowOf(target, first);
        for (int y = first; y <= last; ++y, row += stride) {
            for (std::size_t i = 0; i < count; ++i) {
                if (columns[i].low <= y && y <= columns[i].high)
                    row[columns[i].at] = pen;
            }
        }
    };
    // Where every column is solid, columns side by side are one span a row.
    const int width = columns[count - 1].at - columns[0].at + 1;
    if (solidTop > solidBottom || width != static_cast<int>(count)) {
        paintRows(top, bottom);
        return true;
    }
    paintRows(top, solidTop - 1);
    QRgb* row = rowOf(target, solidTop) + columns[0].at;
    const std::array<QRgb, 4> four{pen, pen, pen, pen};
    for (int y = solidTop; y <= solidBottom; ++y, row += stride)
        fillShort(row, width, four);
    paintRows(solidBottom + 1, bottom);
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
