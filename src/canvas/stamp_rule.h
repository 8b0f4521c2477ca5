#pragma once

#include <cstdint>
#include <optional>

namespace lumorix {

// Which shapes of a run are painted from stamps, and where on the device's pixels a stamp goes:
// decided here once, for every back end. A stamp is a shape's pixels learnt once from the back
// end's own painter, with the shape at one place within a pixel, and copied wherever the same
// shape falls at that place after that, since a whole-pixel shift moves a shape's pixels
// unchanged. What runs draw by the thousand is stamped: small circles (impact dots, envelope
// markers, scan points) and lines (bars, bands, the pattern's axis, rays and arrows); everything
// else goes through the painter.

// How a painter's pixels follow a shape that moves within its pixel.
enum class Smoothing {
    // Each pixel is in or out, and which ones are in changes with the least change of the place:
    // a stamp serves one exact place. Only at pixel ratios 1 and 2 does the painter round a shape
    // alike wherever it falls.
    aliased,
    // Each pixel is covered in part, and its coverage changes smoothly with the place: a stamp
    // learnt at the nearest of a few places serves every place near it, at any pixel ratio.
    antialiased,
};
bool stampsAt(double pixelRatio, Smoothing smoothing);

inline constexpr float maxStampRadius = 8;
inline constexpr int maxStampPenWidth = 4;

bool isStampedCircle(float radius, int penWidth);
// A line along an axis when aliased, whose stamps are learnt end by end and whose rows between
// the ends are solid. When antialiased, whose stamps are learnt whole at the line's place, any
// line but those longer than the board is high: a run draws those once (the board's bands, the
// axis), and learning one costs more than painting it.
inline constexpr float maxAntialiasedStampLength = 600;
bool isStampedLine(float x1, float y1, float x2, float y2, int penWidth, Smoothing smoothing);

// A device coordinate: the pixel it falls in, and its exact place within it, as the fraction of
// a single-precision coordinate together with its binary exponent (a painter may round apart in
// different octaves). Only coordinates of 64 to 65536 device pixels have one: their fractions
// have at most 17 bits, which bounds how many places there are.
struct GridPosition {
    int pixel;
    int exponent;
    std::uint32_t fraction; // in units of the coordinate's last bit: 23 - exponent bits
};
std::optional<GridPosition> gridPosition(double logical, double pixelRatio);

// Where a stamp is learnt. Aliased stamps serve their exact place only. An antialiased one is
// learnt at its shape's exact place too, since every run draws its markers, bars and rays where
// the run before drew them, and a pixel that a shape covers in part over and over would pile up
// the least difference from the painter's. Only a shape placed by the random sequence (an
// impact dot, of which runs draw thousands and never two at one place) is learnt at the nearest
// of a few places within a pixel, and copied to every place near it.
bool stampsAtNearestPlace(Smoothing smoothing, bool placedAtRandom);

// The nearest of placesPerPixel places, counted from the pixel's left or top edge; a coordinate
// nearer the next pixel's edge takes that pixel's first place.
inline constexpr int placeBits = 4;
inline constexpr int placesPerPixel = 1 << placeBits;
struct StampPlace {
    int pixel;
    int place;
    friend bool operator==(const StampPlace&, const StampPlace&) = default;
};
StampPlace nearestPlace(const GridPosition& position);

} // namespace lumorix
