#include "pattern_plot.h"

#include "apparatus.h"
#include "calibration.h"
#include "canvas/canvas.h"
#include "core/fatal_error.h"

#include <optional>

namespace lumorix {

namespace {

using A = Apparatus;

// The impact band starts this far right of the axis.
constexpr int impactGap = 20;
// One factor for every geometry: impact mode does not use the calibration table. It is the light
// factor of the start-up geometry (distance 200, offset 15), so that there each row gets as many
// dots as its light bar is long in whole pixels.
constexpr double impactFactor = 3.9;
// Half the length of an outline's mark.
constexpr double outlineReach = 2;

void sprayImpacts(Canvas& canvas, double scanY, double intensity, const Envelopes& envelopes) {
    constexpr int bandLeft = A::screenX + impactGap;
    canvas.setDrawWidth(1);
    canvas.drawLine(bandLeft, scanY, bandLeft + A::dotBandWidth, scanY);
    canvas.setFillColour(colours::white);
    const int dots = impactDotCount(intensity, envelopes);
    for (int dot = 0; dot < dots; ++dot) {
        // The position is worked out in single precision, like the random number it comes from.
        const float x = static_cast<float>(bandLeft) +
                        static_cast<float>(A::dotBandWidth) * canvas.nextRandom();
        canvas.drawCircle(x, scanY, 1, colours::white);
    }
}

// An outline's colour tells which holes the light passed, so that outlines drawn over each other
// can be told apart.
Colour outlineColour(const Apparatus& scene) {
    if (scene.holeAOpen())
        return scene.holeBOpen() ? colours::whichPath : colours::onlyHoleA;
    return scene.holeBOpen() ? colours::onlyHoleB : colours::noLight;
}

// Markers at markerScale / envelopeA and markerScale / envelopeB left of the axis, in blue, and
// one at their sum with a black rim, so the run traces both single-hole envelopes and their sum;
// the envelope of a covered hole, and with it the sum, is left out.
void drawEnvelopeMarkers(Canvas& canvas, const ParameterFields& fields, const Apparatus& scene,
                         double scanY, const Envelopes& envelopes) {
    const DistanceCalibration* calibration =
        calibrationFor(fields.text(ParameterField::nVzdalenost));
    if (!calibration || (!scene.holeAOpen() && !scene.holeBOpen()))
        return;
    const double scale = calibration->markerScale;
    const double markerA = A::screenX - scale / envelopes.envelopeA;
    const double markerB = A::screenX - scale / envelopes.envelopeB;
    canvas.setFillColour(colours::marker);
    if (scene.holeAOpen())
        canvas.drawCircle(markerA, scanY, 1, colours::marker);
    if (scene.holeBOpen())
        canvas.drawCircle(markerB, scanY, 1, colours::marker);
    if (scene.holeAOpen() && scene.holeBOpen())
        canvas.drawCircle(markerA - scale / envelopes.envelopeB, scanY, 1);
}

} // namespace

double impactIntensity(double rawIntensity, const Envelopes& envelopes) {
    return envelopes.weight * (rawIntensity * impactFactor);
}

int impactDotCount(double rawIntensity, const Envelopes& envelopes) {
    const double intensity = impactIntensity(rawIntensity, envelopes);
    if (!(intensity >= 1))
        return 0;
    if (intensity >= maxDotsPerRow + 1)
        throw FatalError::overflow();
    return static_cast<int>(intensity);
}

void plotPattern(Canvas& canvas, const ParameterFields& fields, const Apparatus& scene,
                 double scanY, double intensity, const Envelopes& envelopes) {
    if (displayMode(fields) == DisplayMode::impact) {
        sprayImpacts(canvas, scanY, intensity, envelopes);
    } else if (scene.states.plain()) {
        canvas.drawLine(A::screenX, scanY, A::screenX + intensity, scanY); // still 2 wide
    } else {
        const double barEnd = A::screenX + intensity;
        canvas.drawLine(barEnd - outlineReach, scanY, barEnd + outlineReach, scanY,
                        outlineColour(scene));
    }

    canvas.setDrawWidth(1);
    drawEnvelopeMarkers(canvas, fields, scene, scanY, envelopes);
    drawPatternAxis(canvas);
}

} // namespace lumorix
