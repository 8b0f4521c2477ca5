#pragma once

#include "apparatus.h"
#include "intensity_model.h"
#include "parameter_fields.h"

#include <cstdint>
#include <limits>

namespace lumorix {

class Canvas;

// The most impact dots one row can take. The controls give at most 975; field texts outside them
// can ask for billions, which would stall the run for minutes, so such a count is an overflow of
// the row's dot counter, a 16-bit whole number.
inline constexpr int maxDotsPerRow = std::numeric_limits<std::int16_t>::max();

// What impact mode plots on a row: its raw intensity weighted by the envelopes. Its whole units
// are the row's impact dots; more than maxDotsPerRow is a fatal overflow.
double impactIntensity(double rawIntensity, const Envelopes& envelopes);
int impactDotCount(double rawIntensity, const Envelopes& envelopes);

// Draws one row of the pattern beside the pattern axis: a bar intensity pixels long in light and
// photon mode, or in impact mode a band with one white dot at a random place per whole unit of
// the impact intensity. A run with a hole covered or the which-path detector on draws, in place
// of the bar, only a short mark at its end, in a colour of its own, so that it stands over the
// bars of a plain run as their outline. Then the envelope markers of the open holes left of the
// axis and the axis itself. Leaves the draw width at 1. More than maxDotsPerRow dots in a row is
// a fatal overflow.
void plotPattern(Canvas& canvas, const ParameterFields& fields, const Apparatus& scene,
                 double scanY, double intensity, const Envelopes& envelopes);

} // namespace lumorix
