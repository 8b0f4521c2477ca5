#include "scene_call.h"

#include "canvas/canvas_call.h"

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

} // namespace lumorix
