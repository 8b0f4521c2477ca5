#pragma once

#include "core/enum_table.h"

#include <cstddef>
#include <string_view>

namespace lumorix {

// The labels that a finished run shows beside the parts of the scene they name.
enum class SceneLabel {
    labClona,    // "Clona", the wall
    labHustota,  // "Hustota fotonů", the pattern beside the axis
    labInterObr, // "Interferenční obrazec světla", the pattern caption except in photon mode
    labPravde,   // "Pravděpodobnostní obrazec fotonu", the pattern caption in photon mode
    labZdroj,    // "Zdroj", the source
    labDetektor, // "Detektor", the detector line
    labA,        // "A", the upper hole
    labB,        // "B", the lower hole
    count,
};

inline constexpr std::size_t sceneLabelCount = enumCount<SceneLabel>;

std::string_view objectName(SceneLabel label);

// What a run may do to a scene label. Positions are in the window's current scale, which the run
// has set to client-area pixels.
class SceneLabels {
public:
    virtual ~SceneLabels() = default;
    virtual void show(SceneLabel label) = 0;
    virtual void hide(SceneLabel label) = 0;
    virtual void setLeft(SceneLabel label, float left) = 0;
    virtual void setTop(SceneLabel label, float top) = 0;
};

} // namespace lumorix
