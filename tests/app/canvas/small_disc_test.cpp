#include "app/canvas/small_disc.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

namespace lumorix {
namespace {

constexpr QRgb background = 0xFFC0C0C0;
constexpr QRgb white = 0xFFFFFFFF;

struct Image {
    explicit Image(qreal ratio)
        : image(QSize(40, 30) * ratio, QImage::Format_RGB32) {
        image.setDevicePixelRatio(ratio);
        image.fill(background);
    }
    StampTarget target() {
        return {image.bits(), image.bytesPerLine(), image.size(), image.devicePixelRatio(),
                [this]() -> QPainter& { return *painter; }};
    }
    QImage image;
    QPainter* painter = nullptr;
};

TEST(SmallDisc, CoversWhatThePaintersDotCoversButForItsRim) {
    for (const qreal ratio : {1.25, 1.5, 1.8}) {
        Image disc(ratio);
        StampTarget target = disc.target();
        ASSERT_TRUE(paintSmallDisc(target, 20.37f, 15.5f, 1, 1, white));

        Image painted(ratio);
        QPainter painter(&painted.image);
        painter.setPen(QPen(Qt::white, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(20.37f, 15.5f), 1, 1);
        painter.end();

        // The two cover the same disc of radius 1.5: they may differ only next to its edge.
        const double radius = 1.5 * ratio;
        int covered = 0;
        for (int y = 0; y < disc.image.height(); ++y) {
            for (int x = 0; x < disc.image.width(); ++x) {
                const double distance = std::hypot(x + 0.5 - 20.37 * ratio, y + 0.5 - 15.5 * ratio);
                covered += disc.image.pixel(x, y) == white ? 1 : 0;
                if (std::abs(distance - radius) > 1) {
                    EXPECT_EQ(disc.image.pixel(x, y), painted.image.pixel(x, y))
                        << ratio << " at " << x << ", " << y;
                }
            }
        }
        EXPECT_NEAR(covered, M_PI * radius * radius, 2 * M_PI * radius) << ratio;
    }
}

TEST(SmallDisc, StaysWithinTheImageAndLeavesFarDiscsToThePainter) {
    Image image(1.5);
    StampTarget target = image.target();
    EXPECT_TRUE(paintSmallDisc(target, 0, 0, 1, 1, white)) << "a corner";
    EXPECT_TRUE(paintSmallDisc(target, 40, 30, 1, 1, white)) << "the opposite corner";
    EXPECT_TRUE(paintSmallDisc(target, -50, 12, 1, 1, white)) << "beyond the edge: nothing";
    EXPECT_EQ(image.image.pixel(0, 0), white);
    EXPECT_EQ(image.image.pixel(59, 44), white);
    EXPECT_EQ(image.image.pixel(30, 22), background);
    EXPECT_FALSE(paintSmallDisc(target, 3e38f, 12, 1, 1, white));
    EXPECT_FALSE(paintSmallDisc(target, 10, 10, 20, 1, white)) << "not small";
}

} // namespace
} // namespace lumorix
