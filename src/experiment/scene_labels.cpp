#include "scene_labels.h"

#include <array>

namespace lumorix {

std::string_view objectName(SceneLabel label) {
    static constexpr std::array<std::string_view, sceneLabelCount> names{
        "labClona", "labHustota",  "labInterObr", "labPravde",
        "labZdroj", "labDetektor", "labA",        "labB",
    };
    return names.at(static_cast<std::size_t>(label));
}

} // namespace lumorix
