#include "experiment.h"

#include "apparatus.h"
#include "detector_scan.h"
#include "intensity_model.h"
#include "label_placement.h"
#include "pattern_plot.h"

namespace lumorix {

namespace {

void scanDetector(Canvas& canvas, const ParameterFields& fields, const Apparatus& scene,
                  Pause& pause) {
    for (int scanStep = 1; scanStep <= scanSteps; ++scanStep) {
        const ScanPoint point = scanPointAt(scanStep);
        const double rawIntensity = formPhasors(canvas, scene, point);
        const Envelopes envelopes = envelopesAt(scene, point.scanY);
        const double intensity = scaleForDisplayMode(fields, rawIntensity, envelopes);
        plotPattern(canvas, fields, scene, point.scanY, intensity, envelopes);
        pause.wait(delayCount(fields));
    }
}

} // namespace

std::optional<FatalError> runExperiment(Canvas& canvas, const ParameterFields& fields,
                                        SceneLabels& labels, Pause& pause,
                                        const RunStates& states) {
    try {
        const Apparatus scene = setUpApparatus(canvas, fields, states);
        scanDetector(canvas, fields, scene, pause);
        placeLabels(canvas, labels, fields, scene);
    } catch (const FatalError& error) {
        return error;
    }
    return std::nullopt;
}

} // namespace lumorix
