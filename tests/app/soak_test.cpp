// A long session in one window must not make the program grow: after hundreds of runs through
// every combination of the options the heap holds what it held after the first run, give or take
// the caches that fill up along the way.

#include "window_fixture.h"

#include <array>
#include <cstddef>
#include <cstdio>
#include <malloc.h>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizers' allocator interface, whose header g++ does not ship.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace lumorix {
namespace {

// Bytes of heap in use. AddressSanitizer keeps a heap of its own, which glibc's count misses.
std::size_t heapInUse() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

constexpr int runs = 300;
constexpr std::size_t allowedGrowth = 2 << 20;

// The option groups, each cycled at its own pace so that the first 180 runs go through every
// combination of the four groups that shape the picture. The speed options only change the
// pause, which takes no time in this window.
constexpr std::array offsets{"opVelka", "op60", "op40", "op20", "op0"};
constexpr std::array distances{"opDc200", "opDc150", "opdc100"};
constexpr std::array frequencies{"op2", "op05", "op03", "op01"};
constexpr std::array modes{"opSvětlo", "opFoton", "opDopad"};
constexpr std::array speeds{"opRychlá", "opPomalejší", "opPomalá"};

class SoakTest : public WindowTest {
protected:
    void selectOptionsOfRun(int run) {
        const auto pick = [](const auto& group, int index) {
            return QString::fromUtf8(group[static_cast<std::size_t>(index) % group.size()]);
        };
        select(pick(offsets, run));
        select(pick(distances, run / 5));
        select(pick(frequencies, run / 15));
        select(pick(modes, run / 60));
        select(pick(speeds, run));
    }
};

TEST_F(SoakTest, HundredsOfRunsLeaveTheHeapAsTheFirstRunLeftIt) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    std::size_t afterFirstRun = 0;
    for (int run = 0; run < runs; ++run) {
        selectOptionsOfRun(run);
        start();
        ASSERT_TRUE(errors.empty()) << "run " << run << " failed";
        if (run == 0)
            afterFirstRun = heapInUse();
    }
    const std::size_t afterLastRun = heapInUse();

    std::printf("heap in use after the first run: %zu bytes, after run %d: %zu bytes\n",
                afterFirstRun, runs, afterLastRun);
    RecordProperty("heapAfterFirstRun", std::to_string(afterFirstRun));
    RecordProperty("heapAfterLastRun", std::to_string(afterLastRun));
    EXPECT_LE(afterLastRun, afterFirstRun + allowedGrowth);
}

} // namespace
} // namespace lumorix
