#include "point_readout.h"

#include "core/fatal_error.h"
#include "row_numbers.h"

#include <cmath>
#include <numbers>

namespace lumorix {

namespace {

double degreesWithinHalfATurn(double radians) {
    const double degrees = std::remainder(radians, 2 * std::numbers::pi) * 180 / std::numbers::pi;
    return degrees <= -180 ? degrees + 360 : degrees;
}

} // namespace

std::optional<PointReadout> pointReadout(const ParameterFields& fields, const RunStates& states,
                                         int row) {
    if (row < topScanRow || row > bottomScanRow)
        return std::nullopt;
    try {
        const Apparatus scene = apparatusFor(fields, states);
        const ScanPoint point = scanPointOfRow(row);
        const RowNumbers numbers = rowNumbers(fields, scene, point);
        const double pathDifference = numbers.pathB - numbers.pathA;
        const double turn =
            arrowAngle(scene, scene.holeBY(), row) - arrowAngle(scene, scene.holeAY(), row);
        return PointReadout{scene,
                            chainPhasors(scene, point),
                            row,
                            Apparatus::axisY - row,
                            numbers.pathA,
                            numbers.pathB,
                            pathDifference,
                            inWavelengths(pathDifference, scene.frequency),
                            degreesWithinHalfATurn(turn),
                            numbers.rawIntensity};
    } catch (const FatalError&) {
        return std::nullopt;
    }
}

} // namespace lumorix
