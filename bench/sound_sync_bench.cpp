// How far a run's sound is from its picture, through the real sound server: an impact run on the
// window with the sound on, every click heard against the paint of the step whose dot it is.
// The device records what it is given and when, and how long the server says a sample written
// then waits before it is heard; a click is heard at its write's time plus that wait. A step is
// shown when the window paints after its drawing. Needs a sound server (PulseAudio or PipeWire;
// a null sink will do).
//
// usage: sound_sync_bench [SLOWDOWN]   (default 5)

#include "app/interference_window.h"
#include "app/pulse_sound_device.h"
#include "experiment/detector_scan.h"
#include "sound/run_sound.h"
#include "sound/synthesiser.h"

#include <QApplication>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest/QTest>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

// What the server was given, and when.
struct Written {
    Clock::time_point at; // once the write had returned
    std::size_t total;    // samples written by then
    Seconds wait;         // how long the last of them waits to be heard
};

struct Log {
    std::mutex mutex;
    std::vector<float> samples;
    std::vector<Written> writes;
};

class LoggingDevice final : public lumorix::SoundDevice {
public:
    LoggingDevice(std::unique_ptr<lumorix::SoundDevice> device, Log& log)
        : device_(std::move(device))
        , log_(log) {}
    int sampleRate() const override { return device_->sampleRate(); }
    bool write(std::span<const float> samples) override {
        const bool written = device_->write(samples);
        const Seconds wait = device_->latency();
        const std::lock_guard lock(log_.mutex);
        log_.samples.insert(log_.samples.end(), samples.begin(), samples.end());
        log_.writes.push_back({Clock::now(), log_.samples.size(), wait});
        return written;
    }
    std::chrono::microseconds latency() override { return device_->latency(); }
    void drain() override { device_->drain(); }

private:
    std::unique_ptr<lumorix::SoundDevice> device_;
    Log& log_;
};

// How many samples the run's own sound is ahead of the recording from `from` on: where the two
// agree best, as the sum of their products over half a second. Before `from` the sound may have
// skipped ahead, as it does when the server was late to take it.
std::size_t aheadOfRecording(const std::vector<float>& recorded, const std::vector<float>& own,
                             std::size_t from, int rate) {
    const std::size_t length = static_cast<std::size_t>(rate / 2);
    std::size_t best = 0;
    double bestSum = -1;
    for (std::size_t ahead = 0;
         ahead < static_cast<std::size_t>(2 * rate) && from + ahead + length <= own.size() &&
         from + length <= recorded.size();
         ++ahead) {
        double sum = 0;
        for (std::size_t n = from; n < from + length; ++n)
            sum += static_cast<double>(recorded[n]) * own[ahead + n];
        if (sum > bestSum) {
            bestSum = sum;
            best = ahead;
        }
    }
    return best;
}

double median(std::vector<double> values) {
    std::ranges::sort(values);
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    const int slowdown = argc > 1 ? std::atoi(argv[1]) : 5;
    if (slowdown < 1) {
        std::printf("usage: sound_sync_bench [SLOWDOWN]   (1 or more)\n");
        return 2;
    }

    Log log;
    lumorix::InterferenceWindow window;
    window.setSoundOutput([&](const lumorix::SoundOutput::FailureReport&) {
        return std::make_unique<lumorix::SoundOutput>(
            [&]() -> std::variant<std::unique_ptr<lumorix::SoundDevice>, lumorix::SoundFailure> {
                auto opened = lumorix::openPulseSoundDevice({});
                if (auto* device = std::get_if<std::unique_ptr<lumorix::SoundDevice>>(&opened))
                    return std::make_unique<LoggingDevice>(std::move(*device), log);
                return opened;
            },
            [](const lumorix::SoundFailure& failure) {
                std::printf("no sound: %s\n", failure.detail.c_str());
                std::exit(1);
            });
    });
    window.findChild<QScrollBar*>("HScroll1")->setValue(slowdown);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    // A light run first, which draws no random numbers: the server reached and the stream under
    // way when the measured run begins. (A stream's start can take a server long; a null sink
    // holds it for up to a second.)
    QTest::keyClick(&window, Qt::Key_Z);
    window.cmdStart_Click();
    QTest::qWait(500);
    window.findChild<QRadioButton*>("opDopad")->click();
    {
        const std::lock_guard lock(log.mutex);
        log.samples.clear();
        log.writes.clear();
    }

    // The first run of a session draws from the sequence as it starts.
    const lumorix::RunSound sound = lumorix::soundOfRun(
        lumorix::ParameterTexts("200", "15", "2", "2", std::to_string(slowdown)),
        lumorix::RandomSequence());
    const int rate = lumorix::PulseStream{}.sampleRate;
    lumorix::RunSynthesiser synthesiser(sound, rate);
    std::vector<float> own(static_cast<std::size_t>(30 * rate));
    own.resize(synthesiser.render(own));

    std::vector<Clock::time_point> paints;
    struct PaintTimes : QObject {
        std::vector<Clock::time_point>& times;
        explicit PaintTimes(std::vector<Clock::time_point>& to)
            : times(to) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint)
                times.push_back(Clock::now());
            return false;
        }
    } paintTimes(paints);
    window.installEventFilter(&paintTimes);
    window.cmdStart_Click();
    window.removeEventFilter(&paintTimes);
    QTest::qWait(500); // heard out

    const std::lock_guard lock(log.mutex);
    if (paints.size() != lumorix::scanSteps) {
        std::printf("%zu paints for %d steps: nothing to compare\n", paints.size(),
                    lumorix::scanSteps);
        return 1;
    }
    // Compared from a third of the way in, after the sound's start.
    const std::size_t from = log.samples.size() / 3;
    const std::size_t ahead = aheadOfRecording(log.samples, own, from, rate);
    std::vector<double> offsets;
    std::vector<double> waits;
    Seconds stepBegins{0};
    for (std::size_t step = 0; step < sound.steps.size(); ++step) {
        const auto into = static_cast<std::size_t>(std::llround(stepBegins.count() * rate));
        stepBegins += sound.steps[step].duration;
        if (into < from + ahead)
            continue;
        const std::size_t at = into - ahead;
        const auto write =
            std::ranges::find_if(log.writes, [&](const Written& w) { return w.total > at; });
        if (write == log.writes.end())
            break;
        const Clock::time_point heardAt =
            write->at + std::chrono::duration_cast<Clock::duration>(
                            write->wait - Seconds(static_cast<double>(write->total - at) / rate));
        offsets.push_back(Seconds(heardAt - paints[step]).count() * 1000);
        waits.push_back(write->wait.count() * 1000);
    }
    if (offsets.empty()) {
        std::printf("no step's sound recorded: nothing to compare\n");
        return 1;
    }
    const double medianWait = median(waits);
    std::ranges::sort(offsets);
    std::printf("slowdown %d: %zu steps compared (the sound %.1f ms ahead of its start); the "
                "server's wait "
                "median %.1f ms; a step heard after it is shown: median %.1f ms, 5th-95th "
                "percentile %.1f to %.1f ms, max %.1f ms\n",
                slowdown, offsets.size(), 1000.0 * static_cast<double>(ahead) / rate, medianWait,
                median(offsets), offsets[offsets.size() / 20], offsets[offsets.size() * 19 / 20],
                offsets.back());
    return 0;
}
