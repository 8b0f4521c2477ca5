// A run that runs out of memory. This program's own operator new fails one allocation of a size
// that only the test asks for, after sparing the ones before it.

#include "window_fixture.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> failingSize = 0;
std::atomic<int> sparedAllocations = 0;

void* allocate(std::size_t size) {
    std::size_t failing = size;
    if (size > 0 && size == failingSize && sparedAllocations.fetch_sub(1) <= 0 &&
        failingSize.compare_exchange_strong(failing, 0))
        throw std::bad_alloc();
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

} // namespace

// The forms that hand memory to one another, so that a sanitizer sees them paired.
void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}

namespace lumorix {
namespace {

TEST_F(WindowTest, ARunThatRunsOutOfMemoryLeavesWhatItDrewOnTheWindow) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // The slowdown is first read once the first step is drawn: its text, blanks around it being
    // allowed, is then copied into a buffer of a size of its own.
    const QString slowdown = QString("1").leftJustified(5000);
    setField("nSpomaleni", slowdown);
    QImage shownWhileReported;
    window.setFatalErrorReporter([&](const FatalError& error) {
        errors.push_back(error);
        shownWhileReported = window.grab().toImage(); // as the error dialog's event loop would
    });
    // The board's history keeps its own copy of the fields before the run reads them.
    sparedAllocations = 1;
    failingSize = static_cast<std::size_t>(slowdown.size()) + 1;
    start();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors.front().number(), 7) << errors.front().description();
    EXPECT_EQ(failingSize, 0u) << "the allocation failed";
    EXPECT_EQ(shownWhileReported.pixel(249, 200) & 0xFFFFFF, black) << "the wall";
    EXPECT_EQ(shownWhileReported.pixel(249, 285) & 0xFFFFFF, grey) << "the wall open at hole A";
}

} // namespace
} // namespace lumorix
