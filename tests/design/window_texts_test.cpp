#include "design/pattern_data.h"
#include "design/window_texts.h"

#include <gtest/gtest.h>

namespace lumorix {
namespace {

// Files saved on one day list in the order they were saved, at the turn of a year too.
TEST(WindowTexts, ASavedFileIsNamedForTheMinuteItWasSaved) {
    EXPECT_EQ(pictureFileName({2026, 12, 8, 14, 5}), "lumorix-2026-12-08-1405.png");
    EXPECT_EQ(pictureFileName({2027, 1, 1, 0, 0}), "lumorix-2027-01-01-0000.png");
    EXPECT_EQ(pictureFileName({2026, 12, 31, 23, 59}), "lumorix-2026-12-31-2359.png");
    EXPECT_EQ(patternDataFileName({2026, 12, 8, 14, 5}), "lumorix-data-2026-12-08-1405.csv");
}

} // namespace
} // namespace lumorix
