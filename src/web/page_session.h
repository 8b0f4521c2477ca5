#pragma once

#include "core/fatal_error.h"
#include "core/random_sequence.h"
#include "design/label_board.h"
#include "display_list.h"
#include "experiment/board_history.h"
#include "experiment/parameter_fields.h"
#include "experiment/run_call.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lumorix {

// The page's clock: milliseconds since the page opened.
using PageTime = std::chrono::duration<double, std::milli>;

// The program behind the page: the parameter fields, the random sequence, the labels and the
// drawing board, and the run in progress. A press of Start makes the whole run at once, the
// way the engine makes it on the desktop; the page then plays it back step by step, each step
// as long as its pause, so that the run looks and lasts as it does there. No input is handled
// meanwhile, so the fields cannot change under a run.
class PageSession {
public:
    PageSession();
    PageSession(const PageSession&) = delete;
    PageSession& operator=(const PageSession&) = delete;

    // The parameter fields, which the page's handlers write between runs: a write while a run
    // plays is refused, since the run reads the fields as they were at its start.
    std::string fieldText(ParameterField field) const { return fields_.text(field); }
    bool setFieldText(ParameterField field, std::string text);

    // Makes a run with the fields as they are and starts to play it at now. Refused while a
    // run plays.
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

    // The fatal error that ended the latest run, once it has been played.
    std::optional<FatalError> failure() const;
    // What the drawing shows, for assistive technology.
    std::string drawingDescription() const;

    // The whole board drawn afresh, for another size or resolution: the start-up board, every
    // run made on it, and the steps of a run in progress that have been shown.
    const DisplayList& redraw();

    // Keeps the calls of the runs from now on as the lines of a trace, for the page's test hook.
    void keepTrace() { tracing_ = true; }
    const std::string& trace() const { return trace_; }

private:
    // A run made at Start, and how far it has been played.
    struct PlayedRun {
        explicit PlayedRun(const ParameterFields& fields)
            : fields(fields) {}

        ParameterTexts fields;
        DisplayList drawing;
        std::vector<std::size_t> segmentEnds;          // where each step's drawing ends in drawing
        std::vector<std::chrono::milliseconds> pauses; // after each step but the last
        std::optional<FatalError> failure;
        std::size_t shown = 0; // steps painted
        PageTime pauseEnd{};
    };

    // Where the calls of a run go: the picture and the labels it paints, and the run whose
    // steps it marks, none when the board is being redrawn.
    struct Target {
        DisplayList* drawing;
        LabelBoard* labels;
        PlayedRun* run;
    };

    void received(const RunCall& call);
    void makeRun();

    ParameterTexts fields_;
    RandomSequence random_;
    RunCallStream stream_;
    LabelBoard labels_;
    BoardHistory history_;
    std::optional<PlayedRun> run_;
    Target target_{};
    DisplayList redrawn_;
    std::string description_;
    bool tracing_ = false;
    std::string trace_;
};

} // namespace lumorix
