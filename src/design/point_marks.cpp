#include "point_marks.h"

#include "core/fatal_error.h"
#include "design/point_readout_text.h"
#include "experiment/apparatus.h"
#include "experiment/detector_scan.h"
#include "experiment/point_readout.h"

#include <algorithm>
#include <cmath>

namespace lumorix {

namespace {

using A = Apparatus;

constexpr double markerHalfWidth = 9;
constexpr double markerWidth = 3;
constexpr double arrowWidth = 2;
constexpr double rayWidth = 1;
// Arrowheads: two strokes this long, this far off the arrow's line.
constexpr double headLength = 10;
constexpr double headAngle = 0.45;
// How far from the detector line a click still means it.
constexpr double grabDistance = 6;
// Below everything a run draws and clear of the frames on the left.
constexpr Box textBox{200, 512, 592, 84};

void addArrow(std::vector<PointStroke>& strokes, Point start, Point end, Colour colour) {
    strokes.push_back({start.x, start.y, end.x, end.y, colour, arrowWidth});
    const double angle = std::atan2(start.y - end.y, start.x - end.x);
    for (const double side : {-headAngle, headAngle}) {
        strokes.push_back({end.x, end.y, end.x + headLength * std::cos(angle + side),
                           end.y + headLength * std::sin(angle + side), colour, arrowWidth});
    }
}

std::optional<double> detectorXOf(const ParameterFields& fields) {
    try {
        return apparatusFor(fields, {}).detectorX;
    } catch (const FatalError&) {
        return std::nullopt;
    }
}

Point scaled(Point point, Point about) {
    return {about.x + pointArrowScale * (point.x - about.x),
            about.y + pointArrowScale * (point.y - about.y)};
}

} // namespace

std::optional<PointMarks> pointMarks(const ParameterFields& fields, const RunStates& states,
                                     int row) {
    const std::optional<PointReadout> readout = pointReadout(fields, states, row);
    if (!readout)
        return std::nullopt;
    const Apparatus& scene = readout->scene;
    const PhasorChain& chain = readout->phasors;
    const Point at = chain.scanPoint;

    PointMarks marks{row, {}, textBox, pointReadoutText(*readout)};
    auto& strokes = marks.strokes;
    // In the marker's colour: in the run's own, they would vanish among the rays it drew.
    if (scene.holeAOpen())
        strokes.push_back({A::wallX, scene.holeAY(), at.x, at.y, pointMarkerColour, rayWidth});
    if (scene.holeBOpen())
        strokes.push_back({A::wallX, scene.holeBY(), at.x, at.y, pointMarkerColour, rayWidth});
    strokes.push_back({at.x - markerHalfWidth, at.y, at.x + markerHalfWidth, at.y,
                       pointMarkerColour, markerWidth});
    for (const std::optional<Arrow>& arrow : {chain.arrowB, chain.arrowA}) {
        if (arrow)
            addArrow(strokes, scaled(arrow->start, at), scaled(arrow->end, at),
                     colours::foreground);
    }
    if (chain.hasResultant())
        addArrow(strokes, at, scaled(chain.arrowA->end, at), colours::resultant);
    return marks;
}

int initialPointRow() {
    return A::axisY;
}

int movedPointRow(int row, PointMove move) {
    const int moved = [&] {
        switch (move) {
        case PointMove::up:
            return row - 1;
        case PointMove::down:
            return row + 1;
        case PointMove::pageUp:
            return row - 10;
        case PointMove::pageDown:
            return row + 10;
        case PointMove::home:
            return topScanRow;
        case PointMove::end:
            return bottomScanRow;
        }
        return row;
    }();
    return std::clamp(moved, topScanRow, bottomScanRow);
}

std::optional<int> pointRowAt(const ParameterFields& fields, double x, double y) {
    const std::optional<double> detectorX = detectorXOf(fields);
    if (!detectorX || !(std::abs(x - *detectorX) <= grabDistance) ||
        !(y > topScanRow - 1 && y < bottomScanRow + 1))
        return std::nullopt;
    return std::clamp(static_cast<int>(std::lround(y)), topScanRow, bottomScanRow);
}

std::optional<Box> pointLineBox(const ParameterFields& fields) {
    const std::optional<double> detectorX = detectorXOf(fields);
    if (!detectorX)
        return std::nullopt;
    const auto left = static_cast<int>(std::floor(*detectorX - grabDistance));
    const auto right = static_cast<int>(std::ceil(*detectorX + grabDistance));
    return Box{left, topScanRow - 1, right - left, bottomScanRow - topScanRow + 2};
}

} // namespace lumorix
