#include "canvas/screen_surface.h"

#include <gtest/gtest.h>

namespace lumorix {
namespace {

TEST(ScreenSurface, KeepsItsImageWhileItIsBeingPaintedOn) {
    ScreenSurface surface(QSize(10, 10), 1, qRgb(192, 192, 192));
    {
        ScreenSurface::Painting painting(surface);
        painting.image().setPixel(3, 3, qRgb(0, 0, 0));
        EXPECT_FALSE(surface.matchPixelRatio(2));
        EXPECT_EQ(surface.pixelRatio(), 1);
    }
    EXPECT_TRUE(surface.matchPixelRatio(2));
    EXPECT_EQ(surface.image().size(), QSize(20, 20));
    EXPECT_EQ(surface.image().pixel(7, 7), qRgb(0, 0, 0)) << "the picture at the new ratio";
    EXPECT_EQ(surface.image().pixel(8, 8), qRgb(192, 192, 192));
}

} // namespace
} // namespace lumorix
