#include "canvas/colour.h"

#include <gtest/gtest.h>

namespace lumorix {
namespace {

TEST(Colour, PacksRedLowestAndBlueHighest) {
    const Colour colour = Colour::fromRgb(0x12, 0x34, 0x56);
    EXPECT_EQ(colour.packed(), 0x563412u);
    EXPECT_EQ(colour.red(), 0x12);
    EXPECT_EQ(colour.green(), 0x34);
    EXPECT_EQ(colour.blue(), 0x56);
    EXPECT_EQ(Colour::fromPacked(0x563412), colour);
}

TEST(Colour, SceneColoursHaveTheirPackedValues) {
    EXPECT_EQ(colours::foreground.packed(), 0x000000u);
    EXPECT_EQ(colours::background.packed(), 0xC0C0C0u);
    EXPECT_EQ(colours::white.packed(), 0xFFFFFFu);
    // Light cyan and blue read "backwards" when packed.
    EXPECT_EQ(colours::ray.packed(), 0xFFFFC0u);
    EXPECT_EQ(colours::resultant.packed(), 0x00FF00u);
    EXPECT_EQ(colours::marker.packed(), 0xFF0000u);
    EXPECT_EQ(colours::marker.blue(), 255);
    EXPECT_EQ(colours::ray.red(), 192);
}

} // namespace
} // namespace lumorix
