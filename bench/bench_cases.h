#pragma once

#include "experiment/parameter_fields.h"

#include <array>

namespace lumorix::bench {

// The runs the benchmarks time: one per display mode, and the heaviest.
struct Case {
    const char* name;
    ParameterTexts fields;
};

inline std::array<Case, 4> runCases() {
    return {{
        {"Light", {"200", "15", "2", "0", "1"}},
        {"Photon", {"200", "15", "2", "1", "1"}},
        {"Impact", {"200", "15", "2", "2", "1"}},
        // The most impact dots of any geometry: the detector closest, the holes together.
        {"HeaviestImpacts", {"100", "0", "2", "2", "1"}},
    }};
}

} // namespace lumorix::bench
