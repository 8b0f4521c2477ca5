#include "board.h"

#include <stdexcept>

namespace lumorix {

Board::Board(const CanvasState& canvas, double pixelRatio)
    : history_(canvas, random_)
    , pixelRatio_(pixelRatio)
    , wantedRatio_(pixelRatio) {}

void Board::runBegins(const ParameterFields& fields, const RunStates& states) {
    if (busy())
        throw std::logic_error("a run begins on a busy board");
    history_.add(fields, states);
    running_ = true;
}

void Board::runEnds() {
    running_ = false;
    showAt(wantedRatio_);
}

void Board::clean(const CanvasState& canvas) {
    if (busy())
        throw std::logic_error("a busy board made clean");
    history_.clean(canvas, random_);
    labels_.reset();
}

void Board::showAt(double pixelRatio) {
    wantedRatio_ = pixelRatio;
    if (running_)
        return;
    if (redraw_ && redraw_->pixelRatio == pixelRatio)
        return;
    if (pixelRatio == pixelRatio_)
        redraw_.reset();
    else
        beginRedraw(pixelRatio);
}

void Board::beginRedraw(double pixelRatio) {
    redraw_ = Redraw{pixelRatio, ++generations_};
}

double Board::redrawPixelRatio() const {
    return redraw_.value().pixelRatio;
}

Board::RedrawStep Board::nextRedrawStep() const {
    const Redraw& redraw = redraw_.value();
    if (!redraw.begun)
        return RedrawStep::begin;
    return redraw.runsDrawn < history_.runCount() ? RedrawStep::drawRun : RedrawStep::show;
}

void Board::redrawBegun() {
    Redraw& redraw = redraw_.value();
    redraw.begun = true;
    redraw.runsDrawn = 0;
    redrawLabels_.reset();
}

LabelBoard::Repaint Board::redrawNextRun(Canvas& canvas, Pause& pause) {
    if (nextRedrawStep() != RedrawStep::drawRun)
        throw std::logic_error("no run to draw again");
    const std::size_t index = redraw_->runsDrawn;
    const std::uint64_t generation = redraw_->generation;
    if (index == 0)
        history_.returnToStart(canvas, redrawRandom_);
    history_.redrawRun(index, canvas, redrawLabels_, pause);
    // The run's labels reach the picture once it has been drawn, as after a live run.
    LabelBoard::Repaint repaint = redrawLabels_.commit();
    if (redraw_ && redraw_->generation == generation)
        ++redraw_->runsDrawn;
    return repaint;
}

void Board::redrawShown() {
    if (nextRedrawStep() != RedrawStep::show)
        throw std::logic_error("an unfinished redraw shown");
    pixelRatio_ = redraw_->pixelRatio;
    redraw_.reset();
}

} // namespace lumorix
