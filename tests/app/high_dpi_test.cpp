#include "window_fixture.h"

namespace lumorix {
namespace {

QRgb devicePixel(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

TEST_F(WindowTest, TheSurfaceHasTheScreensPixelRatio) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.surface().devicePixelRatio(), 2.0);
    EXPECT_EQ(window.surface().size(), window.size() * 2);
}

TEST_F(WindowTest, LinesStayCrispAtTwiceThePixels) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    start();
    const QImage& surface = window.surface();
    // The one-pixel base line at y = 300 is two device rows of pure black, centred on it.
    EXPECT_EQ(devicePixel(surface, 1490, 599), black);
    EXPECT_EQ(devicePixel(surface, 1490, 600), black);
    EXPECT_EQ(devicePixel(surface, 1490, 598), grey);
    EXPECT_EQ(devicePixel(surface, 1490, 601), grey);
    // The two-pixel wall covers four device columns.
    for (int x = 498; x <= 501; ++x)
        EXPECT_EQ(devicePixel(surface, x, 400), black) << x;
    EXPECT_EQ(devicePixel(surface, 497, 400), grey);
    EXPECT_EQ(devicePixel(surface, 502, 400), grey);

    const QImage shown = window.grab().toImage();
    EXPECT_EQ(shown.devicePixelRatio(), 2.0);
    EXPECT_EQ(devicePixel(shown, 1490, 600), black);
    EXPECT_EQ(devicePixel(shown, 1490, 601), grey);
}

} // namespace
} // namespace lumorix
