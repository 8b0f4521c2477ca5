#include "intensity_model.h"

#include "canvas/conversions.h"
#include "checked_arithmetic.h"

#include <array>

namespace lumorix {

namespace {

// Weight of the horizontal separation in the envelopes.
constexpr double horizontalWeight = 0.008;
constexpr double photonFactor = 0.01;

constexpr std::array<int, 5> offsetKeys{40, 15, 10, 5, 0};

struct CalibrationRow {
    int distance;
    std::array<double, offsetKeys.size()> factors;
};

// Light-mode factors: a row per detector distance, a column per hole offset (offsetKeys).
constexpr std::array<CalibrationRow, 3> calibrationTable{{
    {200, {4.2, 3.9, 3, 2.45, 2.3}},
    {150, {2.5, 2.2, 2, 1.4, 1.25}},
    {100, {1.1, 1.15, 1.28, 0.75, 0.57}},
}};

} // namespace

Envelopes envelopesAt(const Apparatus& scene, double scanY) {
    const double dx = Apparatus::wallX - scene.detectorX;
    const double horizontal = finiteOrOverflow(dx * (dx * horizontalWeight));
    const double envelopeA = finiteOrOverflow(squared(scanY - scene.holeAY()) + horizontal);
    const double envelopeB = finiteOrOverflow(squared(scanY - scene.holeBY()) + horizontal);
    const double reciprocalA = reciprocal(envelopeA);
    const double reciprocalB = reciprocal(envelopeB);
    return {envelopeA, envelopeB, finiteOrOverflow(reciprocalA + reciprocalB)};
}

std::optional<double> calibrationFactor(std::string_view distanceText,
                                        std::string_view offsetText) {
    for (const CalibrationRow& row : calibrationTable) {
        if (!matchesWholeNumber(distanceText, row.distance))
            continue;
        for (std::size_t column = 0; column < offsetKeys.size(); ++column) {
            if (matchesWholeNumber(offsetText, offsetKeys[column]))
                return row.factors[column];
        }
        return std::nullopt;
    }
    return std::nullopt;
}

double scaleForDisplayMode(const ParameterFields& fields, double intensity,
                           const Envelopes& envelopes) {
    if (fields.matches(ParameterField::nInterference, 1))
        return intensity * photonFactor;
    if (fields.matches(ParameterField::nInterference, 0)) {
        const auto factor = calibrationFactor(fields.text(ParameterField::nVzdalenost),
                                              fields.text(ParameterField::nOdchylka));
        if (factor)
            return envelopes.envelopeSum * (intensity * *factor);
    }
    return intensity;
}

} // namespace lumorix
