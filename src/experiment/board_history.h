#pragma once

#include "canvas/canvas.h"
#include "core/random_sequence.h"
#include "parameter_fields.h"
#include "scene_labels.h"

#include <functional>
#include <vector>

namespace lumorix {

// What is on the drawing board: the runs made on it since it was clean, with the canvas state
// and the random sequence as they were then. A run makes the same calls whenever it starts from
// the same state, so the board can be drawn again, at another resolution, call for call as it
// was first drawn.
class BoardHistory {
public:
    // The board is clean now.
    BoardHistory(const CanvasState& canvas, const RandomSequence& random);

    void clean(const CanvasState& canvas, const RandomSequence& random);
    // A run has been made on the board with these fields, whether it finished or failed.
    void add(const ParameterFields& fields);
    bool isClean() const { return runs_.empty(); }

    // Makes every run again, in order and without pausing, on a front end whose surface and labels
    // are back to a clean board: canvas and random sequence first return to the board's start,
    // and end as the runs left them. afterRun is called as each run ends.
    void redraw(Canvas& canvas, RandomSequence& random, SceneLabels& labels,
                const std::function<void()>& afterRun) const;

private:
    CanvasState canvasAtStart_;
    RandomSequence randomAtStart_;
    std::vector<ParameterTexts> runs_;
};

} // namespace lumorix
