// The cost of whole runs, pauses aside: the engine alone, with every call only counted,
// and the engine with the on-screen back end painting into a surface at pixel ratio 1 and 2,
// through the fast path and through the general path. Runs paint over each other on one surface,
// as in the window; the "cold" fast path starts every run with nothing learnt.

#include "app/canvas/screen_canvas.h"
#include "app/canvas/screen_runs.h"
#include "bench_cases.h"
#include "experiment/experiment.h"
#include "experiment/run_call.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using lumorix::DrawingPath;
using lumorix::ParameterTexts;

void run(benchmark::State& state, lumorix::Canvas& canvas, const ParameterTexts& fields,
         lumorix::SceneLabels& labels, lumorix::Pause& pause) {
    if (lumorix::runExperiment(canvas, fields, labels, pause))
        state.SkipWithError("the run failed");
}

void engineAlone(benchmark::State& state, const ParameterTexts& fields) {
    lumorix::RandomSequence random;
    std::int64_t calls = 0;
    lumorix::RunCallStream stream(random, [&calls](const lumorix::RunCall&) { ++calls; });
    for (auto _ : state)
        run(state, stream, fields, stream, stream);
    state.counters["callsPerRun"] =
        static_cast<double>(calls) / static_cast<double>(state.iterations());
}

void onScreen(benchmark::State& state, const ParameterTexts& fields, qreal pixelRatio,
              DrawingPath path) {
    lumorix::ScreenSurface surface(lumorix::clientSize, pixelRatio, qRgb(192, 192, 192));
    lumorix::RandomSequence random;
    lumorix::ScreenCanvas canvas(random, surface, path);
    lumorix::StepByStep steps(canvas, surface);
    for (auto _ : state)
        run(state, canvas, fields, steps, steps);
}

void onScreenCold(benchmark::State& state, const ParameterTexts& fields, qreal pixelRatio) {
    lumorix::ScreenSurface surface(lumorix::clientSize, pixelRatio, qRgb(192, 192, 192));
    lumorix::RandomSequence random;
    for (auto _ : state) {
        lumorix::ScreenCanvas canvas(random, surface, DrawingPath::fast);
        lumorix::StepByStep steps(canvas, surface);
        run(state, canvas, fields, steps, steps);
    }
}

void registerAll() {
    for (const lumorix::bench::Case& c : lumorix::bench::runCases()) {
        const std::string name = c.name;
        benchmark::RegisterBenchmark(("EngineAlone/" + name).c_str(), engineAlone, c.fields);
        for (const qreal ratio : {1.0, 2.0}) {
            const std::string suffix = name + "/PixelRatio" + std::to_string(int(ratio));
            benchmark::RegisterBenchmark(("FastPath/" + suffix).c_str(), onScreen, c.fields, ratio,
                                         DrawingPath::fast);
            benchmark::RegisterBenchmark(("FastPathCold/" + suffix).c_str(), onScreenCold, c.fields,
                                         ratio);
            benchmark::RegisterBenchmark(("GeneralPath/" + suffix).c_str(), onScreen, c.fields,
                                         ratio, DrawingPath::general);
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    registerAll();
    benchmark::SetDefaultTimeUnit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
