#include "canvas/pixel_stamps.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <optional>

namespace lumorix {
namespace {

constexpr QRgb grey = 0xFFC0C0C0;
constexpr QRgb white = 0xFFFFFFFF;
constexpr QRgb blue = 0xFF0000FF;

QImage blank(qreal pixelRatio) {
    QImage image(QSize(800, 600) * pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(grey);
    return image;
}

// An image drawn on through the stamps, which counts how often they had to ask the painter.
struct Stamped {
    explicit Stamped(qreal pixelRatio)
        : image(blank(pixelRatio))
        , target{image.bits(), image.bytesPerLine(), image.size(), pixelRatio,
                 [this]() -> QPainter& {
                     ++painterUses;
                     if (!painter) {
                         painter.emplace(&image);
                         painter->setRenderHint(QPainter::Antialiasing, false);
                     }
                     return *painter;
                 }} {}

    QImage image;
    std::optional<QPainter> painter;
    int painterUses = 0;
    StampTarget target;
    PixelStamps stamps;
};

// The same shapes through the painter alone.
class Painted {
public:
    explicit Painted(qreal pixelRatio)
        : image_(blank(pixelRatio))
        , painter_(&image_) {}
    void circle(float x, float y, float radius, int width, QRgb pen, QRgb fill) {
        painter_.setPen(
            QPen(QColor::fromRgb(pen), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter_.setBrush(QColor::fromRgb(fill));
        painter_.drawEllipse(QPointF(x, y), radius, radius);
    }
    void line(float x1, float y1, float x2, float y2, int width, QRgb pen) {
        painter_.setPen(
            QPen(QColor::fromRgb(pen), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    }
    const QImage& image() {
        painter_.end();
        return image_;
    }

private:
    QImage image_;
    QPainter painter_;
};

class PixelStampsTest : public testing::TestWithParam<qreal> {};

TEST_P(PixelStampsTest, ACircleIsLearntOncePerSubPixelPositionThenStamped) {
    Stamped stamped(GetParam());
    Painted painted(GetParam());
    // The second dot lies elsewhere, at the same place within its pixel.
    for (const auto& [x, y] : {std::pair(650.375f, 300.f), std::pair(671.375f, 312.f)}) {
        EXPECT_TRUE(stamped.stamps.drawCircle(stamped.target, x, y, 1, 1, blue, white));
        painted.circle(x, y, 1, 1, blue, white);
    }
    stamped.painter.reset();
    EXPECT_EQ(stamped.painterUses, 1);
    EXPECT_TRUE(stamped.image == painted.image());
}

TEST_P(PixelStampsTest, LinesAlongTheAxesAreStampedEndByEnd) {
    Stamped stamped(GetParam());
    Painted painted(GetParam());
    const struct {
        float x1, y1, x2, y2;
        int width;
    } lines[] = {
        {600, 480, 658.83f, 480, 2}, // a bar
        {600, 470, 600.4f, 470, 2},  // a short one
        {600, 100, 600, 500, 1},     // the pattern axis
        {450, 510, 450, 90, 2},      // the detector, drawn upwards
    };
    for (const auto& l : lines) {
        EXPECT_TRUE(stamped.stamps.drawLine(stamped.target, l.x1, l.y1, l.x2, l.y2, l.width, blue));
        painted.line(l.x1, l.y1, l.x2, l.y2, l.width, blue);
    }
    stamped.painter.reset();
    EXPECT_TRUE(stamped.image == painted.image());
}

TEST_P(PixelStampsTest, WhatItDoesNotKnowIsLeftToThePainter) {
    Stamped stamped(GetParam());
    EXPECT_FALSE(stamped.stamps.drawLine(stamped.target, 450, 480, 446.8f, 462.3f, 2, blue))
        << "a slanted line";
    EXPECT_FALSE(stamped.stamps.drawLine(stamped.target, 5, 1, 800, 1, 1, grey))
        << "a line out to the image's edge";
    EXPECT_FALSE(stamped.stamps.drawCircle(stamped.target, 798.5f, 300, 2, 1, blue, white))
        << "a circle over the edge";
    stamped.painter.reset();
    EXPECT_TRUE(stamped.image == blank(GetParam())) << "nothing drawn";
}

INSTANTIATE_TEST_SUITE_P(PixelRatios, PixelStampsTest, testing::Values(1.0, 2.0),
                         [](const testing::TestParamInfo<qreal>& info) {
                             return "PixelRatio" + std::to_string(static_cast<int>(info.param));
                         });

TEST(PixelStamps, OtherPixelRatiosAreLeftToThePainter) {
    Stamped stamped(1.5);
    EXPECT_FALSE(stamped.stamps.drawCircle(stamped.target, 650.5f, 300, 1, 1, blue, white));
    EXPECT_FALSE(stamped.stamps.drawLine(stamped.target, 600, 100, 600, 500, 1, blue));
}

} // namespace
} // namespace lumorix
