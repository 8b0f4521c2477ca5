#include "canvas/colour.h"

#include <gtest/gtest.h>

namespace lumorix {
namespace {

TEST(Colour, PacksRedLowestAndBlueHighest) {
    EXPECT_EQ(Colour::fromRgb(0x12, 0x34, 0x56).packed(), 0x563412u);
    EXPECT_EQ(colours::foreground.packed(), 0x000000u);
    EXPECT_EQ(colours::background.packed(), 0xC0C0C0u);
    EXPECT_EQ(colours::white.packed(), 0xFFFFFFu);
    // Light cyan and blue read "backwards" when packed.
    EXPECT_EQ(colours::ray.packed(), 0xFFFFC0u);
    EXPECT_EQ(colours::resultant.packed(), 0x00FF00u);
    EXPECT_EQ(colours::marker.packed(), 0xFF0000u);
    EXPECT_EQ(colours::marker.blue(), 255);
    EXPECT_EQ(colours::ray.red(), 192);
    EXPECT_EQ(colours::ray.green(), 255);
}

} // namespace
} // namespace lumorix
