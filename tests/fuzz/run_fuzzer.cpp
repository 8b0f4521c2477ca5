// Whole runs whose five parameter fields hold texts from the input, one per line in the order
// nVzdalenost, nOdchylka, nKmitočet, nInterference, nSpomaleni (missing lines are empty fields,
// the last field takes the rest). A run either finishes or ends in a fatal error; everything it
// hands to the canvas and the labels is finite; its calls stay within what 399 scan steps with a
// 16-bit dot counter per row can make; its pauses are counted, never slept.

#include "canvas/canvas.h"
#include "experiment/detector_scan.h"
#include "experiment/experiment.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <limits>
#include <string>
#include <string_view>
#include <variant>

namespace {

using namespace lumorix;

// A scan step makes at most 16 calls of its own and two per impact dot, and a row's dot counter is
// a 16-bit whole number; the set-up and the end of a run make fewer than 64 calls.
constexpr std::size_t maxDotsPerRow = std::numeric_limits<std::int16_t>::max();
constexpr std::size_t maxCallsPerRun = scanSteps * (16 + 2 * maxDotsPerRow) + 64;

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

class CheckingCanvas final : public Canvas {
public:
    using Canvas::Canvas;
    std::size_t calls = 0;

private:
    void received(const CanvasCall& call) override {
        ++calls;
        require(calls <= maxCallsPerRun, "a run makes more canvas calls than its steps allow");
        if (const auto* line = std::get_if<DrawLine>(&call))
            require(allFinite({line->x1, line->y1, line->x2, line->y2}), "a line is not finite");
        else if (const auto* circle = std::get_if<DrawCircle>(&call))
            require(allFinite({circle->x, circle->y, circle->radius}), "a circle is not finite");
        else if (const auto* width = std::get_if<SetDrawWidth>(&call))
            require(width->width >= 1, "a draw width below one pixel");
    }
};

class CountingScene final : public SceneLabels, public Pause {
public:
    std::size_t pauses = 0;

    void show(SceneLabel) override {}
    void hide(SceneLabel) override {}
    void setLeft(SceneLabel, float left) override {
        require(std::isfinite(left), "a label's left is not finite");
    }
    void setTop(SceneLabel, float top) override {
        require(std::isfinite(top), "a label's top is not finite");
    }
    void wait(double delayCount) override {
        ++pauses;
        require(std::isfinite(delayCount), "a pause count is not finite");
    }
};

ParameterTexts fieldsFrom(std::string_view input) {
    std::string texts[parameterFieldCount];
    for (std::size_t field = 0; field + 1 < parameterFieldCount; ++field) {
        const std::size_t end = input.find('\n');
        texts[field] = std::string(input.substr(0, end));
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    }
    texts[parameterFieldCount - 1] = std::string(input);
    return ParameterTexts(texts[0], texts[1], texts[2], texts[3], texts[4]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ParameterTexts fields =
        fieldsFrom(std::string_view(reinterpret_cast<const char*>(data), size));
    RandomSequence random;
    CheckingCanvas canvas(random);
    CountingScene scene;
    const bool finished = !runExperiment(canvas, fields, scene, scene);
    require(scene.pauses <= scanSteps, "a run pauses more often than it has steps");
    require(!finished || scene.pauses == scanSteps, "a finished run skipped a pause");
    return 0;
}
