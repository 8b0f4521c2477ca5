#pragma once

#include "canvas/canvas.h"
#include "core/fatal_error.h"
#include "parameter_fields.h"
#include "pause.h"
#include "run_states.h"
#include "scene_labels.h"

#include <optional>

namespace lumorix {

// One press of Start, from the set-up of the scene to the labels: sets up the apparatus, with the
// holes covered and the which-path detector as the states have them, scans the detector in 399
// steps (phasor arrows, intensity, pattern row, pause) and labels the scene. A failure ends the
// run where it arises and comes back as the fatal error to report; what was drawn until then
// stays drawn.
std::optional<FatalError> runExperiment(Canvas& canvas, const ParameterFields& fields,
                                        SceneLabels& labels, Pause& pause,
                                        const RunStates& states = {});

} // namespace lumorix
