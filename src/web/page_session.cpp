#include "page_session.h"

#include "design/window_design.h"
#include "design/window_texts.h"
#include "experiment/pace.h"
#include "sound/synthesiser.h"

#include <algorithm>
#include <type_traits>
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

struct NoPause final : Pause {
    void wait(double) override {}
};

} // namespace

PageSession::PageSession()
    : fields_(designTexts())
    // The page has no picture until it first fits itself to the screen.
    , board_(CanvasState{}, 0)
    , stream_(board_.random(), [this](const RunCall& call) { received(call); })
    , redrawStream_(board_.redrawRandom(), [this](const RunCall& call) { redrawn(call); })
    , description_(emptyDrawingDescription) {}

void PageSession::received(const RunCall& call) {
    PlayedRun& run = *run_;
    if (tracing_)
        trace_.append(toText(call)).push_back('\n');
    std::visit(
        Overloaded{
            [this](const ShowLabel& c) { board_.labels().show(c.label); },
            [this](const HideLabel& c) { board_.labels().hide(c.label); },
            [this](const SetLabelLeft& c) { board_.labels().setLeft(c.label, c.left); },
            [this](const SetLabelTop& c) { board_.labels().setTop(c.label, c.top); },
            [&run](const PauseFor& c) {
                run.segmentEnds.push_back(run.drawing.size());
                run.pauses.push_back(pauseDuration(c.delayCount, pauseCountDuration));
            },
            [this, &run](const auto& canvasCall) { run.drawing.draw(canvasCall, stream_.state()); },
        },
        call);
}

void PageSession::redrawn(const RunCall& call) {
    // Only the canvas calls come this way: the board takes the labels and the pauses itself.
    std::visit(
        [this](const auto& c) {
            if constexpr (std::is_convertible_v<decltype(c), CanvasCall>)
                redrawn_.draw(c, redrawStream_.state());
        },
        call);
}

bool PageSession::setFieldText(ParameterField field, std::string text) {
    if (busy())
        return false;
    fields_.setText(field, std::move(text));
    return true;
}

bool PageSession::setRunStates(const RunStates& states) {
    if (busy())
        return false;
    states_ = states;
    return true;
}

bool PageSession::start(PageTime now) {
    if (busy())
        return false;
    run_.emplace(fields_, states_);
    board_.runBegins(fields_, states_);
    // Worked out before the run draws its impacts, from the random sequence as it stands.
    run_->sound = soundOfRun(fields_, board_.random(), pauseCountDuration, states_);
    makeRun();
    run_->pauseEnd = now;
    return true;
}

void PageSession::makeRun() {
    PlayedRun& run = *run_;
    run.failure = stream_.run(run.fields, run.states);
    // The labels a run moved reach the picture together, when its last step is shown.
    run.drawing.paintLabelChanges(board_.labels(), board_.labels().commit());
    run.segmentEnds.push_back(run.drawing.size());
    if (tracing_ && run.failure)
        trace_.append(toText(*run.failure)).push_back('\n');
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
    board_.runEnds();
    if (!run.failure)
        description_ = finishedRunDescription(run.fields.text(ParameterField::nInterference));
    return {paint, std::nullopt};
}

std::span<const float> PageSession::renderSound(int sampleRate) {
    sound_.clear();
    if (!run_)
        return sound_;
    RunSynthesiser synthesiser(run_->sound, sampleRate);
    constexpr std::size_t block = 4096;
    while (!synthesiser.finished()) {
        const std::size_t at = sound_.size();
        sound_.resize(at + block);
        sound_.resize(at + synthesiser.render(std::span(sound_).subspan(at)));
    }
    return sound_;
}

std::optional<FatalError> PageSession::failure() const {
    if (!run_ || running())
        return std::nullopt;
    return run_->failure;
}

std::string PageSession::drawingDescription() const {
    return description_;
}

bool PageSession::clean() {
    if (busy())
        return false;
    board_.clean(stream_.state());
    description_ = emptyDrawingDescription;
    redrawn_.clear();
    redrawn_.paintBoard(board_.labels());
    return true;
}

bool PageSession::showAt(double pixelRatio) {
    const auto drawingAt = [this] {
        return board_.redrawing() ? std::optional(board_.redrawPixelRatio()) : std::nullopt;
    };
    const std::optional<double> before = drawingAt();
    board_.showAt(pixelRatio);
    return drawingAt() != before;
}

std::optional<Board::RedrawStep> PageSession::nextRedrawStep() {
    // Nothing of a redraw is kept once it has been painted: its list keeps the memory of one run
    // only while there are more to come.
    redrawn_.clear();
    if (!board_.redrawing() || board_.nextRedrawStep() == Board::RedrawStep::show)
        redrawn_ = DisplayList();
    if (!board_.redrawing())
        return std::nullopt;
    const Board::RedrawStep step = board_.nextRedrawStep();
    switch (step) {
    case Board::RedrawStep::begin:
        board_.redrawBegun();
        redrawn_.paintBoard(board_.redrawLabels());
        break;
    case Board::RedrawStep::drawRun: {
        NoPause noPause;
        const LabelBoard::Repaint repaint = board_.redrawNextRun(redrawStream_, noPause);
        redrawn_.paintLabelChanges(board_.redrawLabels(), repaint);
        break;
    }
    case Board::RedrawStep::show:
        board_.redrawShown();
        break;
    }
    return step;
}

void PageSession::handleWaitingInput(const std::function<void(const std::string&)>& handle) {
    queue_.handleWaiting([this] { return board_.busy(); }, handle);
}

} // namespace lumorix
