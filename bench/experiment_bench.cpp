// The engine's own cost of one run: every canvas call is only counted, labels and pauses do
// nothing.

#include "canvas/canvas.h"
#include "experiment/experiment.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>

namespace {

class CountingCanvas final : public lumorix::Canvas {
public:
    using Canvas::Canvas;
    std::int64_t calls = 0;

private:
    void received(const lumorix::CanvasCall&) override { ++calls; }
};

class IgnoredScene final : public lumorix::SceneLabels, public lumorix::Pause {
public:
    void show(lumorix::SceneLabel) override {}
    void hide(lumorix::SceneLabel) override {}
    void setLeft(lumorix::SceneLabel, float) override {}
    void setTop(lumorix::SceneLabel, float) override {}
    void wait(double) override {}
};

void runWith(benchmark::State& state, const lumorix::ParameterTexts& fields) {
    lumorix::RandomSequence random;
    CountingCanvas canvas(random);
    IgnoredScene scene;
    for (auto _ : state) {
        if (lumorix::runExperiment(canvas, fields, scene, scene))
            state.SkipWithError("the run failed");
    }
    state.counters["canvasCallsPerRun"] =
        static_cast<double>(canvas.calls) / static_cast<double>(state.iterations());
}

void BM_RunDefaultParameters(benchmark::State& state) {
    runWith(state, lumorix::ParameterTexts("200", "15", "2", "0", "1"));
}
BENCHMARK(BM_RunDefaultParameters)->Unit(benchmark::kMicrosecond);

// The most impact dots of any geometry: the detector closest, the holes together.
void BM_RunHeaviestImpacts(benchmark::State& state) {
    runWith(state, lumorix::ParameterTexts("100", "0", "2", "2", "1"));
}
BENCHMARK(BM_RunHeaviestImpacts)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
