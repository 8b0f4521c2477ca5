#pragma once

#include "apparatus.h"
#include "parameter_fields.h"
#include "scene_labels.h"

namespace lumorix {

class Canvas;

// The end of a run: the pattern axis once more, then every scene label shown beside the part it
// names, and the pattern caption that fits the display mode ("Pravděpodobnostní obrazec fotonu"
// for photon mode, "Interferenční obrazec světla" otherwise).
void placeLabels(Canvas& canvas, SceneLabels& labels, const ParameterFields& fields,
                 const Apparatus& scene);

} // namespace lumorix
