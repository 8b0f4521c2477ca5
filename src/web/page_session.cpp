#include "page_session.h"

#include "design/window_design.h"
#include "design/window_texts.h"
#include "experiment/experiment.h"
#include "experiment/pace.h"

#include <algorithm>
#include <utility>
#include <variant>

namespace lumorix {

namespace {

ParameterTexts designTexts() {
    using enum ParameterField;
    return {std::string(fieldDesignText(nVzdalenost)), std::string(fieldDesignText(nOdchylka)),
            std::string(fieldDesignText(nKmitocet)), std::string(fieldDesignText(nInterference)),
            std::string(fieldDesignText(nSpomaleni))};
}

// A page's timers wake late as a rule, by a few milliseconds (they are clamped, and share the
// thread with the painting), so lateness is made up unless it is a stall, such as a hidden tab's.
constexpr std::chrono::milliseconds stallBeyond{100};

template <typename... Handlers> struct Overloaded : Handlers... { using Handlers::operator()...; };
template <typename... Handlers> Overloaded(Handlers...) -> Overloaded<Handlers...>;

} // namespace

PageSession::PageSession()
    : fields_(designTexts())
    , stream_(random_, [this](const RunCall& call) { received(call); })
    , history_(stream_.state(), random_)
    , description_(emptyDrawingDescription) {}

void PageSession::received(const RunCall& call) {
    if (tracing_ && target_.run)
        trace_.append(toText(call)).push_back('\n');
    std::visit(
        Overloaded{
            [this](const ShowLabel& c) { target_.labels->show(c.label); },
            [this](const HideLabel& c) { target_.labels->hide(c.label); },
            [this](const SetLabelLeft& c) { target_.labels->setLeft(c.label, c.left); },
            [this](const SetLabelTop& c) { target_.labels->setTop(c.label, c.top); },
            [this](const PauseFor& c) {
                if (!target_.run)
                    return;
                target_.run->segmentEnds.push_back(target_.drawing->size());
                target_.run->pauses.push_back(pauseDuration(c.delayCount, pauseCountDuration));
            },
            [this](const auto& canvasCall) { target_.drawing->draw(canvasCall, stream_.state()); },
        },
        call);
}

bool PageSession::setFieldText(ParameterField field, std::string text) {
    if (running())
        return false;
    fields_.setText(field, std::move(text));
    return true;
}

bool PageSession::start(PageTime now) {
    if (running())
        return false;
    run_.emplace(fields_);
    makeRun();
    run_->pauseEnd = now;
    return true;
}

void PageSession::makeRun() {
    PlayedRun& run = *run_;
    target_ = {&run.drawing, &labels_, &run};
    try {
        run.failure = runExperiment(stream_, run.fields, stream_, stream_);
    } catch (...) {
        run.failure = unexpectedFailure(std::current_exception());
    }
    // The labels a run moved reach the picture together, when its last step is shown.
    run.drawing.paintLabelChanges(labels_, labels_.commit());
    run.segmentEnds.push_back(run.drawing.size());
    if (tracing_ && run.failure) {
        trace_.append("fatal " + std::to_string(run.failure->number()) + ' ' +
                      run.failure->description() + '\n');
    }
    target_ = {};
}

PageSession::Progress PageSession::advance(PageTime now) {
    if (!running())
        return {};
    PlayedRun& run = *run_;
    const std::size_t from = run.shown == 0 ? 0 : run.segmentEnds[run.shown - 1];
    PageTime stepStart = run.pauseEnd;
    while (run.shown < run.segmentEnds.size()) {
        if (run.shown > 0) {
            if (now < run.pauseEnd)
                break;
            stepStart =
                nextStepStart(run.pauseEnd, now, std::max(run.pauses[run.shown - 1], stallBeyond));
        }
        if (run.shown < run.pauses.size())
            run.pauseEnd = stepStart + run.pauses[run.shown];
        ++run.shown;
    }
    const std::size_t to = run.shown == 0 ? 0 : run.segmentEnds[run.shown - 1];
    const std::span<const float> paint = run.drawing.values().subspan(from, to - from);
    if (running())
        return {paint, run.pauseEnd};
    history_.add(run.fields);
    if (!run.failure)
        description_ = finishedRunDescription(run.fields.text(ParameterField::nInterference));
    return {paint, std::nullopt};
}

std::optional<FatalError> PageSession::failure() const {
    if (!run_ || running())
        return std::nullopt;
    return run_->failure;
}

std::string PageSession::drawingDescription() const {
    return description_;
}

const DisplayList& PageSession::redraw() {
    redrawn_.clear();
    LabelBoard labels;
    redrawn_.paintBoard(labels);
    // The board's runs are made again on the session's own canvas and random sequence, which go
    // back to where the live runs left them.
    const CanvasState liveCanvas = stream_.state();
    const RandomSequence liveRandom = random_;
    target_ = {&redrawn_, &labels, nullptr};
    history_.redraw(stream_, random_, stream_,
                    [&] { redrawn_.paintLabelChanges(labels, labels.commit()); });
    target_ = {};
    stream_.restore(liveCanvas);
    random_ = liveRandom;
    if (running() && run_->shown > 0)
        redrawn_.append(run_->drawing.values().first(run_->segmentEnds[run_->shown - 1]));
    return redrawn_;
}

} // namespace lumorix
