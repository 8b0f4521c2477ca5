// Wall-clock duration of whole runs on the real window, pauses included: the pace a class sees.
// Runs offscreen unless a display is chosen (QT_QPA_PLATFORM=xcb under xvfb-run, for example).

#include "app/interference_window.h"
#include "app/window_layout.h"

#include <QApplication>
#include <QScrollBar>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

void runAtSlowdown(benchmark::State& state) {
    lumorix::InterferenceWindow window;
    window.findChild<QScrollBar*>("HScroll1")->setValue(static_cast<int>(state.range(0)));
    window.show();
    for (auto _ : state)
        window.cmdStart_Click();
}
BENCHMARK(runAtSlowdown)
    ->Arg(1)
    ->Arg(20)
    ->Iterations(1)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    lumorix::setUpLookAndFeel();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
