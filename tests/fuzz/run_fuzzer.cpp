// Whole runs whose five parameter fields hold texts from the input, one per line in the order
// nVzdalenost, nOdchylka, nKmitočet, nInterference, nSpomaleni (missing lines are empty fields,
// the last field takes the rest). A run either finishes or ends in a fatal error; everything it
// hands to the canvas and the labels is finite; its calls stay within what 399 scan steps with a
// 16-bit dot counter per row can make; its pauses are counted, never slept. The run's sound and
// the formula's fringes for the same fields are finite and within the run's steps and rows.

#include "experiment/detector_scan.h"
#include "experiment/experiment.h"
#include "experiment/pattern_plot.h"
#include "experiment/run_call.h"
#include "experiment/theory_fringes.h"
#include "run_seed.h"
#include "sound/run_sound.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace {

using namespace lumorix;

// A scan step makes at most 16 canvas calls and a pause of its own and two calls per impact dot,
// up to the most a row can take; the set-up and the end of a run make fewer than 64 calls.
constexpr std::size_t maxCallsPerRun =
    scanSteps * (17 + 2 * static_cast<std::size_t>(maxDotsPerRow)) + 64;

void require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "%s\n", property);
        std::abort();
    }
}

bool allFinite(std::initializer_list<float> values) {
    for (const float value : values) {
        if (!std::isfinite(value))
            return false;
    }
    return true;
}

// Checks each call of a run as it is made.
struct RunChecks {
    std::size_t calls = 0;
    std::size_t pauses = 0;

    void operator()(const RunCall& call) {
        ++calls;
        require(calls <= maxCallsPerRun, "a run makes more calls than its steps allow");
        std::visit(*this, call);
    }
    void operator()(const DrawLine& line) {
        require(allFinite({line.x1, line.y1, line.x2, line.y2}), "a line is not finite");
    }
    void operator()(const DrawCircle& circle) {
        require(allFinite({circle.x, circle.y, circle.radius}), "a circle is not finite");
    }
    void operator()(const SetDrawWidth& width) {
        require(width.width >= 1, "a draw width below one pixel");
    }
    void operator()(const SetLabelLeft& left) {
        require(std::isfinite(left.left), "a label's left is not finite");
    }
    void operator()(const SetLabelTop& top) {
        require(std::isfinite(top.top), "a label's top is not finite");
    }
    void operator()(const PauseFor& pause) {
        ++pauses;
        require(std::isfinite(pause.delayCount), "a pause count is not finite");
    }
    template <typename Unchecked> void operator()(const Unchecked&) {}
};

void checkSound(const RunSound& sound, std::size_t pauses, bool finished) {
    require(sound.steps.size() <= scanSteps, "the sound has more steps than the run");
    // A run can also fail in its drawing, where its sound goes on.
    require(sound.steps.size() >= pauses, "the sound stops before the run");
    require(!finished || sound.steps.size() == scanSteps, "a finished run's sound lacks steps");
    require(sound.toneFrequency >= 200 && sound.toneFrequency <= 800, "a tone out of range");
    for (const StepSound& step : sound.steps) {
        require(step.toneLevel >= 0 && step.toneLevel <= 1, "a tone level out of range");
        require(step.toneRamp.count() >= 0 && step.toneRamp <= step.duration, "a ramp too long");
        require(step.clicks.size() <= maxDotsPerRow, "more clicks than a row takes dots");
        for (const std::chrono::microseconds click : step.clicks)
            require(click.count() >= 0 && (click < step.duration || click.count() == 0),
                    "a click outside its step");
    }
}

void checkFringes(const TheoryFringes& fringes) {
    require(fringes.bright.size() + fringes.dark.size() <= 2 * (scanSteps + 1),
            "more fringes than the rows can show");
    const auto onDetector = [](double row) { return row >= 101 && row <= 499; };
    for (const BrightFringe& bright : fringes.bright)
        require(onDetector(bright.row), "a bright fringe off the scanned rows");
    for (const double dark : fringes.dark)
        require(onDetector(dark), "a dark fringe off the scanned rows");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ParameterTexts fields =
        fieldsFromRunSeed(std::string_view(reinterpret_cast<const char*>(data), size));
    RandomSequence random;
    RunChecks checks;
    RunCallStream stream(random, [&checks](const RunCall& call) { checks(call); });
    const bool finished = !runExperiment(stream, fields, stream, stream);
    require(checks.pauses <= scanSteps, "a run pauses more often than it has steps");
    require(!finished || checks.pauses == scanSteps, "a finished run skipped a pause");
    checkSound(soundOfRun(fields, RandomSequence()), checks.pauses, finished);
    checkFringes(theoryFringes(fields));
    return 0;
}
