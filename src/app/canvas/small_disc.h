#pragma once

#include "pixel_stamps.h"

#include <QRgb>

namespace lumorix {

// A small circle whose outline and interior have one colour, painted straight into the image's
// pixels as the disc that outline and interior cover together: every device pixel whose centre
// lies within it. It serves the impact dots and envelope markers at pixel ratios where nothing is
// stamped, as when the board is zoomed, where the painter would turn each dot into curves first,
// at many times the cost. Returns false, painting nothing, for a disc that is not small or lies
// beyond the range of whole device pixels.
bool paintSmallDisc(StampTarget& target, float x, float y, float radius, int penWidth, QRgb colour);

} // namespace lumorix
