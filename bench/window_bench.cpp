// Wall-clock duration of whole runs on the real window, pauses included: the pace a class sees,
// next to the sum of the run's pauses (399 steps × slowdown × 3 ms), which is all it should be.
// Runs offscreen unless a display is chosen (QT_QPA_PLATFORM=xcb under xvfb-run, for example);
// QT_SCALE_FACTOR=2 shows it as on a screen with twice the pixels. Each case also runs with the
// window zoomed to 150 % (At150) and full screen (FullScreen), where the picture is drawn at
// those scales.

#include "app/animation_pause.h"
#include "app/interference_window.h"
#include "app/window_layout.h"
#include "experiment/detector_scan.h"

#include <QApplication>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest/QTest>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <string>

namespace {

struct Case {
    const char* name;
    const char* distance;
    const char* offset;
    const char* mode;
};

constexpr Case cases[] = {
    {"Light", "opDc200", "op60", "opSvětlo"},
    {"Photon", "opDc200", "op60", "opFoton"},
    {"Impact", "opDc200", "op60", "opDopad"},
    // The most impact dots of any geometry: the detector closest, the holes together.
    {"HeaviestImpacts", "opdc100", "op0", "opDopad"},
};

// How large the window shows the client area.
struct View {
    const char* suffix;
    void (*enlarge)(lumorix::InterferenceWindow&);
};

constexpr View views[] = {
    {"", [](lumorix::InterferenceWindow&) {}},
    {"At150",
     [](lumorix::InterferenceWindow& window) {
         window.zoomIn();
         window.zoomIn();
     }},
    {"FullScreen", [](lumorix::InterferenceWindow& window) { window.toggleFullScreen(); }},
};

void select(lumorix::InterferenceWindow& window, const char* option) {
    window.findChild<QRadioButton*>(QString::fromUtf8(option))->click();
}

void runAtSlowdown(benchmark::State& state, const Case& c, const View& view) {
    const int slowdown = static_cast<int>(state.range(0));
    lumorix::InterferenceWindow window;
    window.findChild<QScrollBar*>("HScroll1")->setValue(slowdown);
    for (const char* option : {c.distance, c.offset, c.mode})
        select(window, option);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        state.SkipWithError("the window did not show");
    view.enlarge(window);
    // Until the window has its new size and has been painted at it.
    QTest::qWait(500);
    const double pauses =
        lumorix::scanSteps *
        std::chrono::duration<double>(
            lumorix::pauseDuration(slowdown * lumorix::delayFactor, lumorix::pauseCountDuration))
            .count();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        window.cmdStart_Click();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        state.counters["paceToPauses"] = took.count() / pauses;
        // Let the window bring the end of the run to the screen before the next one.
        QTest::qWait(50);
    }
}

void registerAll() {
    for (const View& view : views) {
        for (const Case& c : cases) {
            benchmark::RegisterBenchmark((std::string(c.name) + view.suffix).c_str(), runAtSlowdown,
                                         c, view)
                ->Arg(1)
                ->Arg(20)
                ->Iterations(1)
                ->Repetitions(3)
                ->Unit(benchmark::kMillisecond)
                ->UseManualTime();
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    lumorix::setUpLookAndFeel();
    benchmark::Initialize(&argc, argv);
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
