#include "scene_labels.h"

#include "core/enum_table.h"

namespace lumorix {

std::string_view objectName(SceneLabel label) {
    using enum SceneLabel;
    static constexpr EnumTable<SceneLabel, std::string_view> names{{
        {labClona, "labClona"},
        {labHustota, "labHustota"},
        {labInterObr, "labInterObr"},
        {labPravde, "labPravde"},
        {labZdroj, "labZdroj"},
        {labDetektor, "labDetektor"},
        {labA, "labA"},
        {labB, "labB"},
    }};
    return names[label];
}

} // namespace lumorix
