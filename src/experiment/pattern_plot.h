#pragma once

#include "intensity_model.h"
#include "parameter_fields.h"

namespace lumorix {

class Canvas;

// Draws one row of the pattern beside the pattern axis: a bar intensity pixels long in light and
// photon mode, or in impact mode a band with one white dot at a random place per whole unit of
// the impact intensity. Then the three envelope markers left of the axis and the axis itself.
// Leaves the draw width at 1.
void plotPattern(Canvas& canvas, const ParameterFields& fields, double scanY, double intensity,
                 const Envelopes& envelopes);

} // namespace lumorix
