#include "design/client_scale.h"

#include <gtest/gtest.h>

namespace lumorix {
namespace {

TEST(ClientScale, FullScreenIsTheLargestUniformScaleThatFitsCentred) {
    EXPECT_EQ(fitClientArea(1920, 1080), (ClientPlacement{1.8, 240, 0})) << "a projector";
    EXPECT_EQ(fitClientArea(1080, 1920), (ClientPlacement{1.35, 0, 555})) << "upright";
    EXPECT_EQ(fitClientArea(1024, 768), (ClientPlacement{1.28, 0, 0}));
    EXPECT_EQ(fitClientArea(800, 600), ClientPlacement{}) << "the design as it is";
    EXPECT_EQ(placed({536, 8, 73, 33}, fitClientArea(1920, 1080)), (Box{1205, 14, 131, 60}));
    // Where the largest scale would cut a device pixel of the board in two, the board is a
    // little smaller, and it starts on a device pixel.
    EXPECT_EQ(fitClientArea(1280, 800), (ClientPlacement{1.33, 108, 1})) << "1064 × 798";
    EXPECT_EQ(fitClientArea(1280, 800, 2), (ClientPlacement{1.3325, 107, 0})) << "2132 × 1599";
    EXPECT_EQ(fitClientArea(1366, 768, 1.25), (ClientPlacement{1.28, 170.4, 0}))
        << "1280 × 960 device pixels, from the 214th";
    // Boxes that meet in the design still meet, whatever the rounding.
    const Box left = scaled({16, 64, 89, 105}, 1.75);
    EXPECT_EQ(left.left + left.width, scaled({105, 64, 10, 10}, 1.75).left);
}

TEST(ClientScale, ZoomStepsStopAtTheEndsAndAtWhatTheScreenCanShow) {
    EXPECT_EQ(zoomStepIn(1), 1.25);
    EXPECT_EQ(zoomStepIn(1.75), 2);
    EXPECT_EQ(zoomStepIn(2), 2);
    EXPECT_EQ(zoomStepOut(1.25), 1);
    EXPECT_EQ(zoomStepOut(1), 1);
    EXPECT_EQ(largestZoomFitting(1920, 1050), 1.75) << "1400 × 1050";
    EXPECT_EQ(largestZoomFitting(1920, 1049), 1.5);
    EXPECT_EQ(largestZoomFitting(640, 480), 1) << "never below 100 %";
}

} // namespace
} // namespace lumorix
