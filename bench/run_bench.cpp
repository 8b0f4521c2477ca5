// The cost of whole runs, pauses aside: the engine alone, with every call only counted,
// and the engine with the on-screen back end painting into a surface at pixel ratio 1 and 2,
// through the fast path and through the general path. Runs paint over each other on one surface,
// as in the window. The fast path goes on from a lesson's worth of runs, untimed, that have taught
// it the scene's places, as the window's has after them; the "cold" one starts every run with
// nothing learnt.

#include "app/canvas/screen_canvas.h"
#include "app/canvas/screen_runs.h"
#include "bench_cases.h"
#include "experiment/experiment.h"
#include "experiment/run_call.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
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

// A surface and its canvas that run after run paint on.
struct OnScreen {
    OnScreen(qreal pixelRatio, DrawingPath path)
        : surface(lumorix::clientSize, pixelRatio, qRgb(192, 192, 192))
        , canvas(random, surface, path)
        , steps(canvas, surface) {}

    lumorix::ScreenSurface surface;
    lumorix::RandomSequence random;
    lumorix::ScreenCanvas canvas;
    lumorix::StepByStep steps;
};

void onScreenGeneral(benchmark::State& state, const ParameterTexts& fields, qreal pixelRatio) {
    OnScreen screen(pixelRatio, DrawingPath::general);
    for (auto _ : state)
        run(state, screen.canvas, fields, screen.steps, screen.steps);
}

// As many runs as the board of a long lesson holds (board_redraw_bench).
constexpr int teachingRuns = 100;

void onScreenTaught(benchmark::State& state, const ParameterTexts& fields, qreal pixelRatio,
                    const std::shared_ptr<std::optional<OnScreen>>& taught) {
    if (!*taught) {
        taught->emplace(pixelRatio, DrawingPath::fast);
        for (int teaching = 0; teaching < teachingRuns; ++teaching)
            run(state, (*taught)->canvas, fields, (*taught)->steps, (*taught)->steps);
    }
    OnScreen& screen = **taught;
    for (auto _ : state)
        run(state, screen.canvas, fields, screen.steps, screen.steps);
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
            benchmark::RegisterBenchmark(("FastPath/" + suffix).c_str(), onScreenTaught, c.fields,
                                         ratio, std::make_shared<std::optional<OnScreen>>());
            benchmark::RegisterBenchmark(("FastPathCold/" + suffix).c_str(), onScreenCold, c.fields,
                                         ratio);
            benchmark::RegisterBenchmark(("GeneralPath/" + suffix).c_str(), onScreenGeneral,
                                         c.fields, ratio);
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
