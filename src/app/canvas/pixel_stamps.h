#pragma once

#include "canvas/stamp_rule.h"

#include <QPainter>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <array>
#include <compare>
#include <cstdint>
#include <functional>
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
//
// What is learnt can be shared: stamps made from a learner draw with what it has learnt and teach
// it what they learn, on threads of their own if need be, each into an image of its own.
class PixelStamps {
public:
    PixelStamps();
    // The learner outlives this one.
    explicit PixelStamps(PixelStamps& learner);
    ~PixelStamps();
    PixelStamps(const PixelStamps&) = delete;
    PixelStamps& operator=(const PixelStamps&) = delete;

    bool drawCircle(StampTarget& target, float x, float y, float radius, int penWidth, QRgb pen,
                    std::optional<QRgb> fill);
    bool drawLine(StampTarget& target, float x1, float y1, float x2, float y2, int penWidth,
                  QRgb pen);

    // Forgets everything learnt, for the learner and all made from it, once it takes more than a
    // bounded amount of memory. Stamps stay valid until then, so call it only between drawings,
    // while no other stamps that share what is learnt draw.
    void trim();

private:
    // One device coordinate: the pixel it falls in, and its place within that pixel.
    using SubPixel = GridPosition;

    // Pixels of one colour in one row, from an anchor pixel.
    struct Span {
        int across;
        int from;
        int length;
        friend auto operator<=>(const Span&, const Span&) = default;
    };
    // A circle's or a short line's pixels: those of the pen and those of the brush, and both
    // together for a shape whose pen and brush have one colour, as an impact dot has.
    struct AreaStamp {
        std::vector<Span> pen;
        std::vector<Span> brush;
        std::vector<Span> both;
        friend auto operator<=>(const AreaStamp&, const AreaStamp&) = default;
    };
    // The outermost pixel of a long line's end in one row (or column) of the line, from the end's
    // pixel; between the two ends the row is solid.
    struct LineEnd {
        int across;
        int outermost;
        friend auto operator<=>(const LineEnd&, const LineEnd&) = default;
    };
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

    class Learnt;
    struct Table;

    // The stamp for a shape in its table: learnt, the first time the table sees the fraction
    // along, by learn(), which returns an AreaStamp or an EndStamp, or nothing for the general
    // path.
    template <typename Learn>
    auto stampIn(Table& table, const SubPixel& along, Learn&& learn) -> const
        typename std::invoke_result_t<Learn>::value_type*;
    Table& tableFor(const TableId& id);

    bool drawLongLine(StampTarget& target, bool horizontal, float start, float end, float acrossAt,
                      int penWidth, QRgb pen);
    bool drawShortLine(StampTarget& target, float x1, float y1, float x2, float y2, int penWidth,
                       QRgb pen);

    class ProbeBox;
    // A circle's or a short line's pixels: what paint() draws with the probe's pen into the box,
    // from the anchor.
    template <typename Paint>
    static std::optional<AreaStamp> learnArea(StampTarget& target, const QRect& box, QPoint anchor,
                                              int penWidth, Paint&& paint);
    static std::optional<EndStamp> learnLineEnd(StampTarget& target, const TableKey& key, float at,
                                                float acrossAt, const QRect& box,
                                                const SubPixel& along, const SubPixel& across);

    std::unique_ptr<Learnt> own_;
    Learnt& learnt_;
    // The table each shape used last, since the learnt tables are shared; and that of the last
    // circle with what set it.
    struct Recent {
        TableId id{};
        Table* table = nullptr;
        std::uint64_t generation = 0;
    };
    std::array<Recent, 4> recent_{};
    struct Circle {
        std::uint32_t yBits;
        std::uint32_t radiusBits;
        int penWidth;
        bool filled;
        int pixelRatio;
        int alongExponent;
        std::uint64_t generation;
        friend bool operator==(const Circle&, const Circle&) = default;
    };
    struct RecentCircle {
        Circle circle{};
        Table* table = nullptr;
        int row = 0;
        int margin = 0;
    };
    RecentCircle recentCircle_;
};

} // namespace lumorix
