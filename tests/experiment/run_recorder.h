#pragma once

#include "canvas/recording_canvas.h"
#include "experiment/pause.h"
#include "experiment/scene_call.h"
#include "experiment/scene_labels.h"

#include <cstddef>
#include <string>
#include <vector>

namespace lumorix {

// Everything a run does to the world, recorded off screen: the canvas calls, the label
// operations and the pauses, none of which waits.
class RunRecorder final : public SceneLabels, public Pause {
public:
    // Does not take ownership of the random sequence, which outlives the recorder.
    explicit RunRecorder(RandomSequence& random)
        : canvas_(random) {}

    RecordingCanvas& canvas() { return canvas_; }
    const RecordingCanvas& canvas() const { return canvas_; }

    template <typename Call> std::vector<Call> sceneCallsOf() const {
        std::vector<Call> found;
        for (const Noted& noted : noted_) {
            if (const Call* call = std::get_if<Call>(&noted.call))
                found.push_back(*call);
        }
        return found;
    }

    // Every call, canvas and scene alike, in the order it was made, as one line of text each.
    std::vector<std::string> script() const {
        const std::vector<CanvasCall>& canvasCalls = canvas_.calls();
        std::vector<std::string> lines;
        std::size_t nextCanvasCall = 0;
        for (const Noted& noted : noted_) {
            for (; nextCanvasCall < noted.canvasCallsBefore; ++nextCanvasCall)
                lines.push_back(toText(canvasCalls[nextCanvasCall]));
            lines.push_back(toText(noted.call));
        }
        for (; nextCanvasCall < canvasCalls.size(); ++nextCanvasCall)
            lines.push_back(toText(canvasCalls[nextCanvasCall]));
        return lines;
    }

    void show(SceneLabel label) override { note(ShowLabel{label}); }
    void hide(SceneLabel label) override { note(HideLabel{label}); }
    void setLeft(SceneLabel label, float left) override { note(SetLabelLeft{label, left}); }
    void setTop(SceneLabel label, float top) override { note(SetLabelTop{label, top}); }
    void wait(double delayCount) override { note(PauseFor{delayCount}); }

private:
    // A scene call remembers how many canvas calls came before it, to interleave the two.
    struct Noted {
        std::size_t canvasCallsBefore;
        SceneCall call;
    };

    void note(SceneCall call) { noted_.push_back({canvas_.calls().size(), call}); }

    RecordingCanvas canvas_;
    std::vector<Noted> noted_;
};

} // namespace lumorix
