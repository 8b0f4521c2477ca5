#pragma once

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

// How many impact dots a row gets in impact mode: the whole units of its raw intensity weighted by
// the envelopes. More than maxDotsPerRow is a fatal overflow.
int impactDotCount(double rawIntensity, const Envelopes& envelopes);

// Draws one row of the pattern beside the pattern axis: a bar intensity pixels long in light and
// photon mode, or in impact mode a band with one white dot at a random place per whole unit of
// the impact intensity. Then the three envelope markers left of the axis and the axis itself.
// Leaves the draw width at 1. More than maxDotsPerRow dots in a row is a fatal overflow.
void plotPattern(Canvas& canvas, const ParameterFields& fields, double scanY, double intensity,
                 const Envelopes& envelopes);

} // namespace lumorix
