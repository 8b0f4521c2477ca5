#pragma once

#include "canvas/canvas.h"
#include "canvas/canvas_call.h"
#include "core/fatal_error.h"
#include "parameter_fields.h"
#include "pause.h"
#include "run_states.h"
#include "scene_labels.h"

#include <functional>
#include <optional>
#include <string>
#include <variant>

namespace lumorix {

// One value per operation on the scene labels or the pause, like the canvas calls.
struct ShowLabel {
    SceneLabel label;
    friend bool operator==(const ShowLabel&, const ShowLabel&) = default;
};
struct HideLabel {
    SceneLabel label;
    friend bool operator==(const HideLabel&, const HideLabel&) = default;
};
struct SetLabelLeft {
    SceneLabel label;
    float left;
    friend bool operator==(const SetLabelLeft&, const SetLabelLeft&) = default;
};
struct SetLabelTop {
    SceneLabel label;
    float top;
    friend bool operator==(const SetLabelTop&, const SetLabelTop&) = default;
};
struct PauseFor {
    double delayCount;
    friend bool operator==(const PauseFor&, const PauseFor&) = default;
};

// Everything a run does to the world, as one value: a canvas call, a label operation or a pause.
using RunCall =
    std::variant<SetScalePixels, DrawLine, DrawCircle, SetDrawWidth, SetFillSolid, SetFillColour,
                 NextRandom, ShowLabel, HideLabel, SetLabelLeft, SetLabelTop, PauseFor>;

// The call as one line of a trace: "drawLine 150 300 250 285", "show labClona", "pause 30000".
std::string toText(const RunCall& call);
// The line that ends the trace of a run that failed: "fatal 13 Neshoda typů".
std::string toText(const FatalError& error);

// A run's canvas, scene labels and pause in one, which hands every call, in the order the run
// makes it, to one function: the trace tool prints the calls, the tests record them, the
// benchmark counts them. Nothing is drawn and no pause waits.
class RunCallStream final : public Canvas, public SceneLabels, public Pause {
public:
    using Sink = std::function<void(const RunCall&)>;

    // Does not take ownership of the random sequence, which outlives the stream.
    RunCallStream(RandomSequence& random, Sink sink);

    // A run made with these fields and states, its calls handed on as it makes them. A failure of
    // any kind, the run's own or an exception such as a lack of memory, ends it and comes back as
    // the fatal error to report.
    std::optional<FatalError> run(const ParameterFields& fields, const RunStates& states = {});

    void show(SceneLabel label) override;
    void hide(SceneLabel label) override;
    void setLeft(SceneLabel label, float left) override;
    void setTop(SceneLabel label, float top) override;
    void wait(double delayCount) override;

private:
    void received(const CanvasCall& call) override;

    Sink sink_;
};

} // namespace lumorix
