#pragma once

#include <array>
#include <string_view>

namespace lumorix {

// The hole offsets that the light-mode calibration knows, in the order of its factors.
inline constexpr std::array<int, 5> calibratedOffsets{40, 15, 10, 5, 0};

// What the plotting knows of a detector distance that the controls offer: the light-mode
// calibration factor for each hole offset (calibratedOffsets), and the scale of the envelope
// markers.
struct DistanceCalibration {
    int distance;
    std::array<double, calibratedOffsets.size()> lightFactors;
    double markerScale;
};

// The calibration of the detector distance whose text the field holds, compared as text ("200",
// never "200.0"); none for a distance that the controls do not offer.
const DistanceCalibration* calibrationFor(std::string_view distanceText);

} // namespace lumorix
