#include "app/canvas/screen_surface.h"

#include <gtest/gtest.h>

namespace lumorix {
namespace {

TEST(ScreenSurface, KeepsItsImageWhileItIsBeingPaintedOn) {
    ScreenSurface surface(QSize(10, 10), 1, qRgb(192, 192, 192));
    {
        ScreenSurface::Painting painting(surface);
        painting.image().setPixel(3, 3, qRgb(0, 0, 0));
        EXPECT_FALSE(surface.clean(2));
        EXPECT_EQ(surface.pixelRatio(), 1);
    }
    EXPECT_EQ(surface.image().pixel(3, 3), qRgb(0, 0, 0)) << "the picture is still there";
    EXPECT_TRUE(surface.clean(2));
    EXPECT_TRUE(surface.isBlank());
    ScreenSurface::Painting painting(surface);
    EXPECT_EQ(painting.image().size(), QSize(20, 20)) << "painted afresh at the new ratio";
    EXPECT_EQ(painting.image().pixel(7, 7), qRgb(192, 192, 192));
}

} // namespace
} // namespace lumorix
