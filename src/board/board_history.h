#pragma once

#include "canvas/canvas.h"
#include "core/random_sequence.h"
#include "experiment/parameter_fields.h"
#include "experiment/pause.h"
#include "experiment/run_states.h"
#include "experiment/scene_labels.h"

#include <cstddef>
#include <vector>

namespace lumorix {

// What is on the drawing board: the runs made on it since it was clean, each with its fields and
// states, and the canvas state and the random sequence as they were then. A run makes the same
// calls whenever it starts from the same state, so the board can be drawn again, at another
// resolution, call for call as it was first drawn, one run at a time.
class BoardHistory {
public:
    // The board is clean now.
    BoardHistory(const CanvasState& canvas, const RandomSequence& random);

    void clean(const CanvasState& canvas, const RandomSequence& random);
    // A run has been made on the board with these fields and states, whether it finished or
    // failed.
    void add(const ParameterFields& fields, const RunStates& states);
    std::size_t runCount() const { return runs_.size(); }

    // Puts a canvas and a random sequence back to where they were when the board was clean.
    void returnToStart(Canvas& canvas, RandomSequence& random) const;
    // Makes run `index` again on a canvas and a random sequence that the runs before it have
    // left; its pauses go to `pause`. A run that failed the first time fails again at the same
    // place, having drawn the same.
    void redrawRun(std::size_t index, Canvas& canvas, SceneLabels& labels, Pause& pause) const;

private:
    CanvasState canvasAtStart_;
    RandomSequence randomAtStart_;
    struct Run {
        ParameterTexts fields;
        RunStates states;
    };
    std::vector<Run> runs_;
};

} // namespace lumorix
