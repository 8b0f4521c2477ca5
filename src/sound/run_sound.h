#pragma once

#include "core/random_sequence.h"
#include "experiment/pace.h"
#include "experiment/parameter_fields.h"
#include "experiment/run_states.h"

#include <chrono>
#include <vector>

namespace lumorix {

// What is heard during one scan step, timed from the moment the step begins.
struct StepSound {
    // As long as the step's pause: the next step's sound begins when it is over.
    std::chrono::milliseconds duration;
    // The tone's level, from 0 (silent) to 1 (the run's brightest point), reached in a straight
    // ramp from the level before over the first toneRamp of the step.
    float toneLevel;
    std::chrono::milliseconds toneRamp;
    // When each of the step's impact dots clicks, in the order the dots are drawn.
    std::vector<std::chrono::microseconds> clicks;
};

// The sound of one run: in light and photon mode a tone whose level follows the plotted
// intensity at the point the scan has reached, in impact mode a click for every impact dot.
struct RunSound {
    double toneFrequency; // Hz
    // One for every scan step the run makes.
    std::vector<StepSound> steps;
};

// The longest ramp between two steps' tone levels: long enough not to click, short enough that
// the level follows the picture at the slowest pace.
inline constexpr std::chrono::milliseconds maxToneRamp{10};

// The frequencies that the tone's pitch spreads over: those the controls offer.
struct FrequencyRange {
    double lowest;
    double highest;
};
inline constexpr FrequencyRange toneRange{0.1, 2};

// The tone's pitch for the frequency field's number: toneRange spread evenly in octaves over
// 200 to 800 Hz, anything beyond clamped to the nearer end.
double toneFrequency(double frequency);

// The sound of the run that the fields and states make, worked out from the same numbers the run
// draws: with a hole covered or the which-path detector on, its tone follows the outline that the
// run draws, and with both holes covered it is silent. The random sequence is a copy of the
// program's, as it stands when the run begins: each click comes from its dot's random number,
// and the program's own sequence does not move. A run that would fail sounds up to the step
// where it fails. countDuration is how long one count of the run's pauses lasts, as for the run
// itself, so that each step sounds as long as it is shown.
RunSound soundOfRun(const ParameterFields& fields, RandomSequence random,
                    std::chrono::nanoseconds countDuration = pauseCountDuration,
                    const RunStates& states = {});

// How loud a run of these settings is on a scan row, from 0 to 1, for a short tone at one point:
// the tone's level there in light and photon mode; in impact mode, where the run clicks, the
// row's share of the most clicks that any row of the run makes. 0 for a row the run does not
// reach.
float rowLoudness(const ParameterFields& fields, const RunStates& states, int row);

} // namespace lumorix
