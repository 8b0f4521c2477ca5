#include "scene_labels.h"

namespace lumorix {

std::string_view objectName(SceneLabel label) {
    switch (label) {
    case SceneLabel::labClona:
        return "labClona";
    case SceneLabel::labHustota:
        return "labHustota";
    case SceneLabel::labInterObr:
        return "labInterObr";
    case SceneLabel::labPravde:
        return "labPravde";
    case SceneLabel::labZdroj:
        return "labZdroj";
    case SceneLabel::labDetektor:
        return "labDetektor";
    case SceneLabel::labA:
        return "labA";
    case SceneLabel::labB:
        return "labB";
    }
    return {};
}

} // namespace lumorix
