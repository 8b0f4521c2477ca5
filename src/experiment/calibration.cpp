#include "calibration.h"

#include "core/conversions.h"

namespace lumorix {

namespace {

constexpr std::array<DistanceCalibration, 3> calibrations{{
    {200, {4.2, 3.9, 3, 2.45, 2.3}, 20000},
    {150, {2.5, 2.2, 2, 1.4, 1.25}, 12500},
    {100, {1.1, 1.15, 1.28, 0.75, 0.57}, 7000},
}};

} // namespace

const DistanceCalibration* calibrationFor(std::string_view distanceText) {
    for (const DistanceCalibration& calibration : calibrations) {
        if (matchesWholeNumber(distanceText, calibration.distance))
            return &calibration;
    }
    return nullptr;
}

} // namespace lumorix
