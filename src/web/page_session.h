#pragma once

#include "board/board.h"
#include "board/input_queue.h"
#include "core/fatal_error.h"
#include "display_list.h"
#include "experiment/parameter_fields.h"
#include "experiment/run_call.h"
#include "experiment/run_states.h"
#include "sound/run_sound.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace lumorix {

// The page's clock: milliseconds since the page opened.
using PageTime = std::chrono::duration<double, std::milli>;

// The program behind the page: the parameter fields and the drawing board, the run in progress,
// and the input that waits while the board is busy. A press of Start makes the whole run at
// once, the way the engine makes it on the desktop; the page then plays it back step by step,
// each step as long as its pause, so that the run looks and lasts as it does there. When the
// page comes to show the board at another pixel ratio, it is redrawn on a picture of its own, a
// run at a time, while the page keeps showing the old picture.
class PageSession {
public:
    PageSession();
    PageSession(const PageSession&) = delete;
    PageSession& operator=(const PageSession&) = delete;

    // The parameter fields, which the page's handlers write while the board is idle; a write
    // while it is busy is refused, since a run reads the fields as they were at its start.
    std::string fieldText(ParameterField field) const { return fields_.text(field); }
    const ParameterFields& fields() const { return fields_; }
    bool setFieldText(ParameterField field, std::string text);
    // The holes covered and the which-path detector, for the next run: like the fields, written
    // only while the board is idle.
    const RunStates& runStates() const { return states_; }
    bool setRunStates(const RunStates& states);

    bool busy() const { return board_.busy(); }
    // Makes a run with the fields and states as they are and starts to play it at now. Refused
    // while the board is busy.
    bool start(PageTime now);
    bool running() const { return run_.has_value() && run_->shown < run_->segmentEnds.size(); }

    // What the page has to paint now of the run in progress: the drawing of every step whose
    // time has come, and with the run's last step the labels that the run changed. nextStep is
    // when to ask again; none once the run has been played to its end.
    struct Progress {
        std::span<const float> paint;
        std::optional<PageTime> nextStep;
    };
    Progress advance(PageTime now);
    // All that the latest run paints, step after step, for the page to prepare its painting.
    std::span<const float> runDrawing() const {
        return run_ ? run_->drawing.values() : std::span<const float>();
    }

    // The sound of the latest run, as mono samples at a sample rate, from its start to its end,
    // held until released.
    std::span<const float> renderSound(int sampleRate);
    // The short tone that a move of the point readout's marker to a row sounds: at the pitch of a
    // run of the next run's settings and as loud as that run sounds the row, rendered as the
    // runs' sound is, into the same samples. None for fields that a run would fail on.
    std::span<const float> renderPointTone(int row, int sampleRate);
    std::span<const float> renderedSound() const { return sound_; }
    void releaseSound() { sound_ = {}; }

    // The fatal error that ended the latest run, once it has been played.
    std::optional<FatalError> failure() const;
    // What the drawing shows, for assistive technology.
    std::string drawingDescription() const;

    // A clean board, as at start-up, to paint over the whole board (boardPaint()); the fields
    // and the random sequence go on. Refused while the board is busy.
    bool clean();

    // The page would show the board at this pixel ratio now (see Board::showAt). Returns
    // whether what the page has redrawn, if anything, is to be dropped: a redraw begins,
    // begins again, or is given up.
    bool showAt(double pixelRatio);
    double pixelRatio() const { return board_.pixelRatio(); }
    bool redrawing() const { return board_.redrawing(); }
    // The next step of the redraw under way, carried out for the page to paint: `begin`
    // a blank picture at redrawPixelRatio() and paint the board as at start-up on it; paint a
    // run on it (`drawRun`); or `show` it, now complete, in place of the board. None when no
    // redraw is under way.
    std::optional<Board::RedrawStep> nextRedrawStep();
    double redrawPixelRatio() const { return board_.redrawPixelRatio(); }
    // What to paint of the latest step of a redraw, or of a clean board, until the next.
    std::span<const float> boardPaint() const { return redrawn_.values(); }

    // Input that waits, as the page's text of it: handed back when the board is idle, in order.
    bool inputMustWait() const { return queue_.mustWait(board_.busy()); }
    void holdInput(std::string input) { queue_.arrive(std::move(input), true); }
    void handleWaitingInput(const std::function<void(const std::string&)>& handle);
    void dropWaitingInput() { queue_.drop(); }

    // Keeps the calls of the runs from now on as the lines of a trace, for the page's test hook.
    void keepTrace() { tracing_ = true; }
    const std::string& trace() const { return trace_; }

private:
    // A run made at Start, and how far it has been played.
    struct PlayedRun {
        PlayedRun(const ParameterFields& fields, const RunStates& states)
            : fields(fields)
            , states(states) {}

        ParameterTexts fields;
        RunStates states;
        RunSound sound;
        DisplayList drawing;
        std::vector<std::size_t> segmentEnds;          // where each step's drawing ends in drawing
        std::vector<std::chrono::milliseconds> pauses; // after each step but the last
        std::optional<FatalError> failure;
        std::size_t shown = 0; // steps painted
        PageTime pauseEnd{};
    };

    // The calls of a live run, made by stream_, and of one made again, by redrawStream_.
    void received(const RunCall& call);
    void redrawn(const RunCall& call);
    void makeRun();
    std::span<const float> render(RunSound sound, int sampleRate);

    ParameterTexts fields_;
    RunStates states_;
    Board board_;
    RunCallStream stream_;       // the live runs, on the board's random sequence
    RunCallStream redrawStream_; // the runs made again, on the redraw's
    std::optional<PlayedRun> run_;
    DisplayList redrawn_;
    std::vector<float> sound_;
    InputQueue<std::string> queue_;
    std::string description_;
    bool tracing_ = false;
    std::string trace_;
};

} // namespace lumorix
