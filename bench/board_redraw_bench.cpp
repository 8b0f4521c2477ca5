// A whole lesson on one board, redrawn: 100 of the heaviest impact runs on the window, then
// a zoom to 200 % and back to 100 %, each redrawing the board at the new pixel ratio. For each:
// the time until the crisp picture replaces the scaled one, the longest the window went without
// answering meanwhile (between two turns of its event loop), and the heap in use before and
// after. Runs offscreen on a screen large enough for every zoom step.
//
// usage: board_redraw_bench [RUNS]   (default 100)

#include "app/interference_window.h"
#include "app/window_layout.h"

#include <QApplication>
#include <QRadioButton>
#include <QTimer>
#include <QtTest/QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <malloc.h>

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

double heapInUse() {
    return static_cast<double>(mallinfo2().uordblks) / (1 << 20);
}

void measure(lumorix::InterferenceWindow& window, const char* name,
             const std::function<void()>& change) {
    const double heapBefore = heapInUse();
    Clock::time_point lastTurn = Clock::now();
    Milliseconds longest{0};
    QTimer turns;
    QObject::connect(&turns, &QTimer::timeout, [&] {
        const Clock::time_point now = Clock::now();
        longest = std::max(longest, Milliseconds(now - lastTurn));
        lastTurn = now;
    });
    const Clock::time_point start = Clock::now();
    change();
    lastTurn = Clock::now();
    turns.start(0);
    if (!QTest::qWaitFor([&] { return !window.isBoardBusy(); }, 600000))
        std::printf("%s: the board never came to rest\n", name);
    const Milliseconds took = Clock::now() - start;
    turns.stop();
    std::printf("%s: crisp after %.0f ms, longest without answering %.1f ms, heap %.2f -> %.2f MiB,"
                " picture %d x %d\n",
                name, took.count(), longest.count(), heapBefore, heapInUse(),
                window.surface().width(), window.surface().height());
}

} // namespace

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen:configfile=" LUMORIX_LARGE_SCREEN, 0);
    QApplication application(argc, argv);
    lumorix::setUpLookAndFeel();
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;

    lumorix::InterferenceWindow window{std::chrono::nanoseconds(0)};
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    for (const char* option : {"opdc100", "op0", "opDopad"})
        window.findChild<QRadioButton*>(option)->click();
    const Clock::time_point made = Clock::now();
    for (int run = 0; run < runs; ++run)
        window.cmdStart_Click();
    std::printf("%d heaviest runs made and painted live in %.0f ms\n", runs,
                Milliseconds(Clock::now() - made).count());

    measure(window, "zoomed to 200 %, pixel ratio 2", [&] {
        for (int step = 0; step < 4; ++step)
            window.zoomIn();
    });
    measure(window, "back to 100 %, pixel ratio 1", [&] { window.resetZoom(); });
    return 0;
}
