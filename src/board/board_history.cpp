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

void BoardHistory::add(const ParameterFields& fields) {
    runs_.emplace_back(fields);
}

void BoardHistory::returnToStart(Canvas& canvas, RandomSequence& random) const {
    canvas.restore(canvasAtStart_);
    random = randomAtStart_;
}

void BoardHistory::redrawRun(std::size_t index, Canvas& canvas, SceneLabels& labels,
                             Pause& pause) const {
    (void)runExperiment(canvas, runs_.at(index), labels, pause);
}

} // namespace lumorix
