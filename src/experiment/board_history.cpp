#include "board_history.h"

#include "experiment.h"
#include "pause.h"

namespace lumorix {

namespace {

struct NoPause final : Pause {
    void wait(double) override {}
};

} // namespace

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

void BoardHistory::redraw(Canvas& canvas, RandomSequence& random, SceneLabels& labels,
                          const std::function<void()>& afterRun) const {
    canvas.restore(canvasAtStart_);
    random = randomAtStart_;
    NoPause noPause;
    for (const ParameterTexts& fields : runs_) {
        // A run that failed the first time fails again at the same place, having drawn the same.
        (void)runExperiment(canvas, fields, labels, noPause);
        afterRun();
    }
}

} // namespace lumorix
