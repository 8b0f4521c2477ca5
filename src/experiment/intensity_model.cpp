#include "intensity_model.h"

#include "calibration.h"
#include "checked_arithmetic.h"
#include "core/conversions.h"

namespace lumorix {

namespace {

// Weight of the horizontal separation in the envelopes. It sets how narrow they are: a hole's
// envelope falls to half its peak √0.008 ≈ 0.09 times the detector distance above and below the
// hole's row (18 rows at the distance 200, 9 at 100), and its peak is 1 / (0.008 × distance²).
constexpr double horizontalWeight = 0.008;
constexpr double photonFactor = 0.01;

} // namespace

Envelopes envelopesAt(const Apparatus& scene, double scanY) {
    const double dx = Apparatus::wallX - scene.detectorX;
    const double horizontal = finiteOrOverflow(dx * (dx * horizontalWeight));
    const double envelopeA = finiteOrOverflow(squared(scanY - scene.holeAY()) + horizontal);
    const double envelopeB = finiteOrOverflow(squared(scanY - scene.holeBY()) + horizontal);
    const double reciprocalA = reciprocal(envelopeA);
    const double reciprocalB = reciprocal(envelopeB);
    const double envelopeSum = finiteOrOverflow(reciprocalA + reciprocalB);
    const double weight = scene.holeAOpen() && scene.holeBOpen() ? envelopeSum
                          : scene.holeAOpen()                    ? finiteOrOverflow(2 * reciprocalA)
                          : scene.holeBOpen()                    ? finiteOrOverflow(2 * reciprocalB)
                                                                 : 0;
    return {envelopeA, envelopeB, envelopeSum, weight};
}

std::optional<double> calibrationFactor(std::string_view distanceText,
                                        std::string_view offsetText) {
    const DistanceCalibration* calibration = calibrationFor(distanceText);
    if (!calibration)
        return std::nullopt;
    for (std::size_t column = 0; column < calibratedOffsets.size(); ++column) {
        if (matchesWholeNumber(offsetText, calibratedOffsets[column]))
            return calibration->lightFactors[column];
    }
    return std::nullopt;
}

double scaleForDisplayMode(const ParameterFields& fields, double intensity,
                           const Envelopes& envelopes) {
    const std::optional<DisplayMode> mode = displayMode(fields);
    if (mode == DisplayMode::photon)
        return intensity * photonFactor;
    if (mode == DisplayMode::light) {
        const auto factor = calibrationFactor(fields.text(ParameterField::nVzdalenost),
                                              fields.text(ParameterField::nOdchylka));
        if (factor)
            return envelopes.weight * (intensity * *factor);
    }
    return intensity;
}

} // namespace lumorix
