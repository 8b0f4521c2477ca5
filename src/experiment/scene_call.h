#pragma once

#include "scene_labels.h"

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

using SceneCall = std::variant<ShowLabel, HideLabel, SetLabelLeft, SetLabelTop, PauseFor>;

// The call as one line of a trace: "show labClona", "left labA 220", "pause 30000".
std::string toText(const SceneCall& call);

} // namespace lumorix
