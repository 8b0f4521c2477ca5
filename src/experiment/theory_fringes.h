#pragma once

#include "parameter_fields.h"
#include "run_states.h"

#include <vector>

namespace lumorix {

// A bright fringe of the formula: the paths from the two holes differ by a whole number of
// wavelengths, the order. The order counts the wavelengths by which the path from hole B exceeds
// the path from hole A, so it is positive towards hole A: above the axis, 0 on it.
struct BrightFringe {
    double row;
    int order;
};

// Where the formula puts the fringes on the detector line, as rows (y, fractional) of the scanned
// span 101 to 499, from the top down: bright where the path difference is a whole number of
// wavelengths, dark where it is a whole number and a half. The wavelength is 2π / frequency, the
// frequency being radians of arrow turn per pixel of path.
struct TheoryFringes {
    std::vector<BrightFringe> bright;
    std::vector<double> dark;
    double detectorX = 0; // the detector line they lie on
};

// The fringes for the distance, offset and frequency that the fields hold now. None where there
// is no pattern to mark: a hole covered or the which-path detector on (the arrows do not add, so
// nothing swings), holes that coincide or an arrow that never turns (the whole detector is one
// bright fringe), fringes finer than the scan's rows, or fields that are not numbers.
TheoryFringes theoryFringes(const ParameterFields& fields, const RunStates& states = {});

} // namespace lumorix
