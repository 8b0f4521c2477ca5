#pragma once

#include "canvas/colour.h"
#include "design/window_design.h"
#include "experiment/parameter_fields.h"
#include "experiment/run_states.h"

#include <string>
#include <vector>

namespace lumorix {

// A thin horizontal line, in the client area's logical pixels.
struct TheoryLine {
    double left;
    double right;
    double y;
};

// A fringe's order, left-aligned in its box and centred on the box's height.
struct TheoryLabel {
    Box box;
    std::string text;
};

// The formula's fringes as both editions mark them over the picture, never in it: where the
// paths from the two holes differ by a whole number of wavelengths, a line across the pattern,
// labelled with that number, and a tick across the detector line; where they differ by a whole
// number and a half, lighter ones, left out where the fringes are too close for them.
struct TheoryMarks {
    std::vector<TheoryLine> bright;
    std::vector<TheoryLine> dark;
    std::vector<TheoryLabel> labels;
};

inline constexpr Colour theoryBrightColour = Colour::fromRgb(200, 0, 0);
inline constexpr Colour theoryDarkColour = Colour::fromRgb(240, 130, 130);
inline constexpr FontDesign theoryLabelFont{"Arial", 10, false};

// The marks for the settings that the fields and the next run's states hold now; none where
// there is no pattern to mark, among them whenever a hole is covered or the which-path detector
// is on.
TheoryMarks theoryMarks(const ParameterFields& fields, const RunStates& states = {});

} // namespace lumorix
