// The cost of making one whole run, pauses aside, timed the same way on the desktop and in the
// browser's module, for which this program is built as well: the engine alone, every call only
// counted (as run_bench's EngineAlone case), and the page's session making the run and its
// display list, as a press of Start does in the page. Prints each case's median time per run,
// over REPETITIONS batches of runs, in milliseconds.
//
// usage: page_run_bench [REPETITIONS]

#include "bench_cases.h"
#include "experiment/experiment.h"
#include "experiment/run_call.h"
#include "web/page_session.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using lumorix::PageTime;
using lumorix::ParameterField;
using lumorix::ParameterTexts;

constexpr int runsPerBatch = 20;

// A first batch goes untimed: the browser first runs a function as code that was quick to
// compile, and only its later calls as code optimised for speed.
template <typename MakeRun> double medianMillisecondsPerRun(int repetitions, MakeRun makeRun) {
    for (int i = 0; i < runsPerBatch; ++i)
        makeRun();
    std::vector<double> perRun;
    for (int batch = 0; batch < repetitions; ++batch) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < runsPerBatch; ++i)
            makeRun();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        perRun.push_back(took.count() / runsPerBatch);
    }
    const auto middle = perRun.begin() + static_cast<std::ptrdiff_t>(perRun.size() / 2);
    std::nth_element(perRun.begin(), middle, perRun.end());
    return *middle;
}

void engineAlone(const char* name, int repetitions, const ParameterTexts& fields) {
    lumorix::RandomSequence random;
    long calls = 0;
    lumorix::RunCallStream stream(random, [&calls](const lumorix::RunCall&) { ++calls; });
    int runs = 0;
    const double perRun = medianMillisecondsPerRun(repetitions, [&] {
        if (lumorix::runExperiment(stream, fields, stream, stream))
            std::abort();
        ++runs;
    });
    std::printf("EngineAlone/%s %.3f ms, %ld calls a run\n", name, perRun, calls / runs);
}

// Each run is played to its end, every step as soon as its pause is due.
void pageSession(const char* name, int repetitions, const ParameterTexts& fields) {
    lumorix::PageSession session;
    for (std::size_t i = 0; i < lumorix::parameterFieldCount; ++i) {
        const auto field = static_cast<ParameterField>(i);
        session.setFieldText(field, fields.text(field));
    }
    PageTime now{};
    const double perRun = medianMillisecondsPerRun(repetitions, [&] {
        session.start(now);
        for (auto progress = session.advance(now); progress.nextStep;
             progress = session.advance(now))
            now = *progress.nextStep;
        if (session.failure())
            std::abort();
    });
    std::printf("PageSession/%s %.3f ms\n", name, perRun);
}

} // namespace

int main(int argc, char* argv[]) {
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    for (const lumorix::bench::Case& c : lumorix::bench::runCases()) {
        engineAlone(c.name, repetitions, c.fields);
        pageSession(c.name, repetitions, c.fields);
    }
    return 0;
}
