#include "run_recorder.h"

namespace lumorix {

namespace {

std::string labelText(std::string_view verb, SceneLabel label) {
    return std::string(verb) + ' ' + std::string(objectName(label));
}

struct SceneCallText {
    std::string operator()(const ShowLabel& call) const { return labelText("show", call.label); }
    std::string operator()(const HideLabel& call) const { return labelText("hide", call.label); }
    std::string operator()(const SetLabelLeft& call) const {
        return labelText("left", call.label) + ' ' + shortestText(call.left);
    }
    std::string operator()(const SetLabelTop& call) const {
        return labelText("top", call.label) + ' ' + shortestText(call.top);
    }
    std::string operator()(const PauseFor& call) const {
        return "pause " + shortestText(call.delayCount);
    }
};

} // namespace

std::string toText(const SceneCall& call) {
    return std::visit(SceneCallText{}, call);
}

std::vector<std::string> RunRecorder::script() const {
    const std::vector<CanvasCall>& canvasCalls = canvas_.calls();
    std::vector<std::string> lines;
    lines.reserve(canvasCalls.size() + sceneCalls_.size());
    std::size_t nextCanvasCall = 0;
    for (const RecordedSceneCall& recorded : sceneCalls_) {
        for (; nextCanvasCall < recorded.canvasCallsBefore; ++nextCanvasCall)
            lines.push_back(toText(canvasCalls[nextCanvasCall]));
        lines.push_back(toText(recorded.call));
    }
    for (; nextCanvasCall < canvasCalls.size(); ++nextCanvasCall)
        lines.push_back(toText(canvasCalls[nextCanvasCall]));
    return lines;
}

std::vector<std::string> RunRecorder::takeScript() {
    std::vector<std::string> lines = script();
    canvas_.clearCalls();
    sceneCalls_.clear();
    return lines;
}

} // namespace lumorix
