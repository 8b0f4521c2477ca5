// The cost of a run's sound: working it out from the fields (what a front end does as the run
// begins), and rendering all of it at 48 kHz (what the playback thread does over the run).

#include "bench_cases.h"
#include "sound/synthesiser.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

using lumorix::ParameterTexts;

void soundOfRun(benchmark::State& state, const ParameterTexts& fields) {
    const lumorix::RandomSequence random;
    std::size_t clicks = 0;
    for (auto _ : state) {
        const lumorix::RunSound sound = lumorix::soundOfRun(fields, random);
        clicks = 0;
        for (const lumorix::StepSound& step : sound.steps)
            clicks += step.clicks.size();
        benchmark::DoNotOptimize(clicks);
    }
    state.counters["clicksPerRun"] = static_cast<double>(clicks);
}

void renderAt48kHz(benchmark::State& state, const ParameterTexts& fields) {
    const lumorix::RunSound sound = lumorix::soundOfRun(fields, lumorix::RandomSequence());
    std::vector<float> block(240);
    for (auto _ : state) {
        lumorix::RunSynthesiser synthesiser(sound, 48000);
        while (synthesiser.render(block) > 0)
            benchmark::DoNotOptimize(block.data());
    }
}

} // namespace

int main(int argc, char* argv[]) {
    benchmark::Initialize(&argc, argv);
    for (const lumorix::bench::Case& c : lumorix::bench::runCases()) {
        const std::string name = c.name;
        benchmark::RegisterBenchmark(("SoundOfRun/" + name).c_str(), soundOfRun, c.fields);
        benchmark::RegisterBenchmark(("RenderAt48kHz/" + name).c_str(), renderAt48kHz, c.fields);
    }
    benchmark::SetDefaultTimeUnit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
