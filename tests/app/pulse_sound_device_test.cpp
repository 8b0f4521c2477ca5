#include "app/pulse_sound_device.h"
#include "sound/recording_sound_device.h"

#include <cstdlib>
#include <dlfcn.h>
#include <future>
#include <gtest/gtest.h>
#include <string>
#include <variant>

namespace lumorix {
namespace {

TEST(PulseSoundDevice, WithoutAServerItFailsCleanlyAndTheOutputStaysSilent) {
    // Each test runs in a process of its own: nothing has asked for sound before.
    ASSERT_EQ(dlopen(PulseStream{}.library, RTLD_LAZY | RTLD_NOLOAD), nullptr)
        << "the sound library is loaded before sound is turned on";
    setenv("PULSE_SERVER", "unix:/nonexistent", 1);
    std::promise<SoundFailure> reported;
    int reports = 0;
    {
        SoundOutput output([] { return openPulseSoundDevice(PulseStream{}); },
                           [&](const SoundFailure& failure) {
                               if (++reports == 1)
                                   reported.set_value(failure);
                           });
        auto failure = reported.get_future();
        ASSERT_EQ(failure.wait_for(hangGuard), std::future_status::ready);
        const SoundFailure why = failure.get();
        EXPECT_EQ(why.reason, SoundFailure::Reason::noServer) << why.detail;
        output.play(soundOfRun(ParameterTexts("200", "15", "2", "0", "1"), RandomSequence()));
        output.stop();
    }
    EXPECT_EQ(reports, 1);
}

TEST(PulseSoundDevice, WithoutTheLibraryItFailsCleanly) {
    PulseStream stream;
    stream.library = "libpulse-simple-absent.so.0";
    const auto opened = openPulseSoundDevice(stream);
    ASSERT_TRUE(std::holds_alternative<SoundFailure>(opened));
    EXPECT_EQ(std::get<SoundFailure>(opened).reason, SoundFailure::Reason::noLibrary);
    EXPECT_NE(std::get<SoundFailure>(opened).detail.find("libpulse-simple-absent"),
              std::string::npos);
}

} // namespace
} // namespace lumorix
