#pragma once

#include "canvas/recording_canvas.h"
#include "pause.h"
#include "scene_labels.h"

#include <cstddef>
#include <string>
#include <variant>
#include <vector>

namespace lumorix {

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

using SceneCall = std::variant<ShowLabel, HideLabel, SetLabelLeft, SetLabelTop, PauseFor>;

// The call as one line of a trace: "show labClona", "left labA 220", "pause 30000".
std::string toText(const SceneCall& call);

// A scene call, and how many canvas calls came before it.
struct RecordedSceneCall {
    std::size_t canvasCallsBefore;
    SceneCall call;
};

// Everything a run does to the world, recorded off screen: the canvas calls, the label
// operations and the pauses, none of which waits. For the trace tool, tests and benchmarks.
class RunRecorder final : public SceneLabels, public Pause {
public:
    // Does not take ownership of the random sequence, which outlives the recorder.
    explicit RunRecorder(RandomSequence& random)
        : canvas_(random) {}

    RecordingCanvas& canvas() { return canvas_; }
    const RecordingCanvas& canvas() const { return canvas_; }

    // The label operations and pauses, in order.
    const std::vector<RecordedSceneCall>& sceneCalls() const { return sceneCalls_; }

    template <typename Call> std::vector<Call> sceneCallsOf() const {
        std::vector<Call> found;
        for (const RecordedSceneCall& recorded : sceneCalls_) {
            if (const Call* call = std::get_if<Call>(&recorded.call))
                found.push_back(*call);
        }
        return found;
    }

    // Every call, canvas and scene alike, in the order it was made, as one line of text each.
    std::vector<std::string> script() const;
    // The script so far, which the recorder then forgets; the canvas state stays.
    std::vector<std::string> takeScript();

    void show(SceneLabel label) override { note(ShowLabel{label}); }
    void hide(SceneLabel label) override { note(HideLabel{label}); }
    void setLeft(SceneLabel label, float left) override { note(SetLabelLeft{label, left}); }
    void setTop(SceneLabel label, float top) override { note(SetLabelTop{label, top}); }
    void wait(double delayCount) override { note(PauseFor{delayCount}); }

private:
    void note(SceneCall call) { sceneCalls_.push_back({canvas_.calls().size(), call}); }

    RecordingCanvas canvas_;
    std::vector<RecordedSceneCall> sceneCalls_;
};

} // namespace lumorix
