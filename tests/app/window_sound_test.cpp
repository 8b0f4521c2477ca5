#include "app/pulse_sound_device.h"
#include "sound/recording_sound_device.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QLabel>
#include <QMessageBox>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <dlfcn.h>

namespace lumorix {
namespace {

// Scan steps of 1 ms: 30000 counts of 34 ns each.
constexpr std::chrono::nanoseconds shortCount(34);
const ParameterTexts impactRun("200", "15", "2", "2", "1");

// Outlives the window whose sound goes to it.
struct WithRecording {
    Recording recording;
};

// The window with short scan steps, its sound going to the recording.
class WindowSoundTest : protected WithRecording, public WindowTest {
protected:
    WindowSoundTest()
        : WindowTest(shortCount) {
        window.setSoundOutput([this](SoundOutput::FailureReport failed) {
            return std::make_unique<SoundOutput>(recording.device(), std::move(failed),
                                                 recording.clock());
        });
    }

    QString description() {
        return QAccessible::queryAccessibleInterface(window.findChild<QWidget*>("Obrazec"))
            ->text(QAccessible::Description);
    }
};

TEST_F(WindowSoundTest, EachRunIsHeardFromItsFirstStepWithAClickForEachOfItsImpactDots) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    select("opDopad");
    pressAndHandle(Qt::Key_Z);
    ASSERT_TRUE(window.isSoundOn());
    EXPECT_TRUE(description().contains(QString::fromUtf8("Zvuk je zapnutý")));

    // The clicks come from the random numbers that the run's dots are drawn from.
    RandomSequence random;
    const RunSound first = soundOfRun(impactRun, random, shortCount);
    std::size_t dots = 0;
    for (const StepSound& step : first.steps)
        dots += step.clicks.size();
    for (std::size_t dot = 0; dot < dots; ++dot)
        random.next();
    const std::vector<float> heardFirst = synthesised(first);
    const std::vector<float> heardSecond = synthesised(soundOfRun(impactRun, random, shortCount));
    ASSERT_EQ(heardFirst.size(), (399 + 10) * sampleRate / 1000) << "1 ms steps, then the fade";
    ASSERT_NE(heardFirst, heardSecond);

    start();
    ASSERT_TRUE(recording.waitFor(heardFirst.size()));
    recording.hearAll();
    start();
    ASSERT_TRUE(recording.waitFor(heardFirst.size() + heardSecond.size()));
    const std::vector<float> samples = recording.received();
    ASSERT_EQ(samples.size(), heardFirst.size() + heardSecond.size());
    EXPECT_TRUE(std::equal(heardFirst.begin(), heardFirst.end(), samples.begin()));
    EXPECT_TRUE(std::equal(heardSecond.begin(), heardSecond.end(),
                           samples.begin() + static_cast<std::ptrdiff_t>(heardFirst.size())))
        << "the second run's clicks where its own dots fall";
}

TEST_F(WindowSoundTest, ZPressedMidRunSilencesTheRunAtOnce) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    pressAndHandle(Qt::Key_Z);
    // The device holds 100 ms of the run's 409 ms, then makes the playback thread wait.
    const std::size_t held = 100 * sampleRate / 1000;
    recording.makeRoom(held);
    bool silencedMidRun = false;
    // The timer fires inside the first pause of the run.
    QTimer::singleShot(0, &window, [&] {
        // Not an ASSERT: the room must be made whatever happens, or the output never ends.
        EXPECT_TRUE(recording.waitFor(held));
        pressAndHandle(Qt::Key_Z);
        silencedMidRun = !window.isSoundOn() && window.isBoardBusy();
        recording.makeRoom(std::numeric_limits<std::size_t>::max());
    });
    start();
    EXPECT_TRUE(silencedMidRun) << "Z waited for the run's end";
    EXPECT_FALSE(control<QLabel>("labB")->isHidden()) << "the run went on to its end";
    const std::vector<float> samples = recording.received();
    // What the playback thread had in hand, then the fade.
    EXPECT_LE(samples.size(), held + (5 + 5 + 10) * sampleRate / 1000);
    EXPECT_LT(std::abs(samples.back()), 1e-3);
    EXPECT_FALSE(description().contains(QString::fromUtf8("Zvuk")));
}

TEST_F(WindowSoundTest, WithZOnEachMoveOfThePointMarkerSoundsAMomentAsLoudAsARunThere) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    pressAndHandle(Qt::Key_P);
    pressAndHandle(Qt::Key_Up);
    pressAndHandle(Qt::Key_Z);
    pressAndHandle(Qt::Key_Up);
    const std::size_t toneLength = (150 + 10) * sampleRate / 1000;
    ASSERT_TRUE(recording.waitFor(toneLength));
    QTest::qWait(50);
    const std::vector<float> samples = recording.received();
    EXPECT_EQ(samples.size(), toneLength) << "one tone, for the move after Z";
    const auto loudness = [](float sample) { return std::abs(sample); };
    EXPECT_NEAR(loudness(std::ranges::max(samples, {}, loudness)),
                0.5 * rowLoudness(fieldTexts(), {}, 298), 0.01);
}

TEST_F(WindowTest, WithoutASoundServerOneMessageSaysSoAndTheRunsGoOnSilent) {
    ASSERT_EQ(dlopen(PulseStream{}.library, RTLD_LAZY | RTLD_NOLOAD), nullptr);
    start();
    ASSERT_EQ(dlopen(PulseStream{}.library, RTLD_LAZY | RTLD_NOLOAD), nullptr)
        << "the sound library is loaded before sound is turned on";
    setenv("PULSE_SERVER", "unix:/nonexistent", 1);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QStringList messages;
    std::function<void(QMessageBox*)> answer = [&](QMessageBox* box) {
        messages << box->text();
        box->accept();
        answerWhenShown(answer); // and any message after it
    };
    answerWhenShown(answer);

    // Started before the failure comes: the run completes, then the message shows.
    pressAndHandle(Qt::Key_Z);
    select("opDopad");
    start();
    EXPECT_FALSE(control<QLabel>("labB")->isHidden()) << "the run went on to its end";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.isEmpty(); }));
    EXPECT_TRUE(messages.front().contains(QString::fromUtf8("zvukový server")))
        << messages.front().toStdString();
    EXPECT_TRUE(messages.front().contains(QString::fromUtf8("Program pokračuje bez zvuku")));
    EXPECT_FALSE(window.isSoundOn());

    // Tried again, the sound fails again, without a word.
    pressAndHandle(Qt::Key_Z);
    start();
    QTest::qWait(100);
    EXPECT_FALSE(window.isSoundOn());
    EXPECT_EQ(messages.size(), 1);
    EXPECT_TRUE(errors.empty());
    unsetenv("PULSE_SERVER");
}

} // namespace
} // namespace lumorix
