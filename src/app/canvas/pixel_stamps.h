#pragma once

#include "canvas/stamp_rule.h"

#include <QPainter>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <array>
#include <compare>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <type_traits>
#include <variant>
#include <vector>

namespace lumorix {

// Where stamps go: an image's pixels, and its painter, in logical coordinates, for learning.
struct StampTarget {
    uchar* bits;
    qsizetype bytesPerLine;
    QSize deviceSize;
    qreal pixelRatio;
    std::function<QPainter&()> painter;
};

// The fast path of the on-screen canvas, for what a run draws most: small circles (impact dots,
// envelope markers, scan points) and horizontal or vertical lines (bars, bands, the pattern axis).
//
// The painter's aliased rasterisation depends only on where a shape falls within its pixel: a
// whole-pixel shift moves its pixels unchanged. So each shape is learnt from the painter once per
// sub-pixel position and stamped straight into the image after that: the pixels are the painter's
// own, at a small fraction of its cost. Long lines are learnt end by end, since between its ends
// every row (or column) of a line is one solid run; short ones whole.
//
// Which shapes are stamped, and at which sub-pixel positions, is the rule of stamps for aliased
// painting (canvas/stamp_rule.h): a position is the exact fraction of a device coordinate together
// with its binary exponent, since the painter rounds differently in different octaves of
// coordinates. Pixel ratios other than 1 and 2, shapes that reach the image's edge and anything
// unusual are left to the general path: the draw functions then draw nothing and return false.
class PixelStamps {
public:
    bool drawCircle(StampTarget& target, float x, float y, float radius, int penWidth, QRgb pen,
                    std::optional<QRgb> fill);
    bool drawLine(StampTarget& target, float x1, float y1, float x2, float y2, int penWidth,
                  QRgb pen);

    // Forgets everything learnt once it takes more than a bounded amount of memory. Stamps stay
    // valid until then, so call it only between drawings.
    void trim();

private:
    // One device coordinate: the pixel it falls in, and its place within that pixel.
    using SubPixel = GridPosition;

    // One row (or column) of a circle's or a short line's pixels, from an anchor pixel: a run in
    // the pen's or the brush's colour.
    struct Run {
        int across;
        int from;
        int to;
        bool pen;
        friend auto operator<=>(const Run&, const Run&) = default;
    };
    // The outermost pixel of a long line's end in one row (or column) of the line, from the end's
    // pixel; between the two ends the row is solid.
    struct LineEnd {
        int across;
        int outermost;
        friend auto operator<=>(const LineEnd&, const LineEnd&) = default;
    };
    using AreaStamp = std::vector<Run>;
    using EndStamp = std::vector<LineEnd>;
    using Stamp = std::variant<AreaStamp, EndStamp>;

    enum class Shape { circle, shortLine, lineStart, lineEnd };

    // Everything that a stamp depends on but the place along the coordinate that indexes its
    // table: x for circles, the end for lines.
    struct TableKey {
        Shape shape;
        bool filled = false;
        bool horizontal = false;
        int direction = 0;
        int penWidth = 0;
        std::uint32_t radiusBits = 0;
        int pixelRatio = 0;
        int acrossExponent = 0;
        std::uint32_t acrossFraction = 0;
        // Where a short line starts: the whole pixels to its end, and the start's place.
        int span = 0;
        int startExponent = 0;
        std::uint32_t startFraction = 0;
        friend auto operator<=>(const TableKey&, const TableKey&) = default;
    };
    // The stamps of one key, one for each fraction of the coordinate along in one binary octave,
    // which sets how many fractions there are.
    struct TableId {
        TableKey key;
        int alongExponent;
        friend auto operator<=>(const TableId&, const TableId&) = default;
    };
    // The stamp id of each fraction along, in pages made when first needed: most tables see a
    // handful of fractions (the end of a line at a whole pixel), a few see thousands (impact dots).
    static constexpr std::size_t pageSize = 256;
    using Page = std::array<std::uint16_t, pageSize>;
    using Table = std::vector<std::unique_ptr<Page>>;
    static constexpr std::uint16_t notLearnt = 0;
    static constexpr std::uint16_t generalPath = 1;
    static constexpr std::uint16_t firstStamp = 2;
    static constexpr std::size_t maxStamps = 4096;

    // The stamp for a shape: learnt, the first time its table sees the fraction along, by learn(),
    // which returns an AreaStamp or an EndStamp, or nothing for the general path.
    template <typename Learn>
    auto stampFor(const TableKey& key, const SubPixel& along, Learn&& learn) -> const
        typename std::invoke_result_t<Learn>::value_type*;
    std::uint16_t idOf(Stamp learnt);

    bool drawLongLine(StampTarget& target, bool horizontal, float start, float end, float acrossAt,
                      int penWidth, QRgb pen);
    bool drawShortLine(StampTarget& target, float x1, float y1, float x2, float y2, int penWidth,
                       QRgb pen);

    class ProbeBox;
    // A circle's or a short line's pixels: what paint() draws with the probe's pen into the box,
    // as runs from the anchor.
    template <typename Paint>
    static std::optional<AreaStamp> learnArea(StampTarget& target, const QRect& box, QPoint anchor,
                                              int penWidth, Paint&& paint);
    static void stampArea(StampTarget& target, const AreaStamp& stamp, QPoint anchor, QRgb pen,
                          QRgb fill);
    static std::optional<EndStamp> learnLineEnd(StampTarget& target, const TableKey& key, float at,
                                                float acrossAt, const QRect& box,
                                                const SubPixel& along, const SubPixel& across);

    std::map<TableId, Table> tables_;
    std::size_t pages_ = 0;
    std::deque<Stamp> stamps_; // a deque, so stamps in use stay put when one is added
    std::map<Stamp, std::uint16_t> stampIds_;
    // Consecutive shapes mostly share a table, such as all the dots of one row.
    TableId lastId_{};
    Table* lastTable_ = nullptr;
};

} // namespace lumorix
