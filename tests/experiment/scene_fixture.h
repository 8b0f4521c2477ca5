#pragma once

#include "canvas/recording_canvas.h"
#include "experiment/apparatus.h"
#include "experiment/detector_scan.h"
#include "experiment/intensity_model.h"
#include "experiment/pattern_plot.h"
#include "printers.h"

#include <string>
#include <vector>

namespace lumorix {

inline ParameterTexts startUpFields() {
    return ParameterTexts("200", "15", "2", "0", "1");
}

// The apparatus set up on a recording canvas, ready for single scan steps. Keeps only the calls
// made after the set-up.
struct SceneFixture {
    explicit SceneFixture(ParameterTexts texts = startUpFields())
        : fields(std::move(texts))
        , scene(setUpApparatus(canvas, fields)) {
        canvas.clearCalls();
    }

    RandomSequence random;
    RecordingCanvas canvas{random};
    ParameterTexts fields;
    Apparatus scene;
};

inline std::vector<std::string> lines(const std::vector<CanvasCall>& calls) {
    std::vector<std::string> text;
    for (const CanvasCall& call : calls)
        text.push_back(toText(call));
    return text;
}

} // namespace lumorix
