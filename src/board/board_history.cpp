#include "board_history.h"

#include "experiment/experiment.h"

namespace lumorix {

BoardHistory::BoardHistory(const CanvasState& canvas, const RandomSequence& random)
    : canvasAtStart_(canvas)
    , randomAtStart_(random) {}

void BoardHistory::clean(const CanvasState& canvas, const RandomSequence& random) {
    canvasAtStart_ = canvas;
    randomAtStart_ = random;
    runs_.clear();
}

void BoardHistory::add(const ParameterFields& fields, const RunStates& states) {
    runs_.push_back({ParameterTexts(fields), states});
}

void BoardHistory::returnToStart(Canvas& canvas, RandomSequence& random) const {
    canvas.restore(canvasAtStart_);
    random = randomAtStart_;
}

void BoardHistory::redrawRun(std::size_t index, Canvas& canvas, SceneLabels& labels,
                             Pause& pause) const {
    const Run& run = runs_.at(index);
    (void)runExperiment(canvas, run.fields, labels, pause, run.states);
}

} // namespace lumorix
