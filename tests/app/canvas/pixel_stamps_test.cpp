#include "app/canvas/pixel_stamps.h"
#include "app/canvas/qt_colour.h"
#include "app/canvas/qt_pen.h"
#include "app/canvas/screen_runs.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <utility>
#include <vector>

namespace lumorix {
namespace {

constexpr QRgb grey = 0xFFC0C0C0;
constexpr QRgb white = 0xFFFFFFFF;
constexpr QRgb blue = 0xFF0000FF;

QImage blank(qreal pixelRatio) {
    QImage image(clientSize * pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(grey);
    return image;
}

// A circle, when it has a radius, or else a line along an axis, as runs draw them.
struct Shape {
    float x1, y1, x2, y2;
    float radius;
    int width;
    QRgb pen;
    std::optional<QRgb> fill;

    void moveBy(float right, float down) {
        x1 += right;
        x2 += right;
        y1 += down;
        y2 += down;
    }
    bool stamp(PixelStamps& stamps, StampTarget& target) const {
        return radius > 0 ? stamps.drawCircle(target, x1, y1, radius, width, pen, fill)
                          : stamps.drawLine(target, x1, y1, x2, y2, width, pen);
    }
    void paint(QPainter& painter) const {
        painter.setPen(scenePen(QColor::fromRgb(pen), width));
        if (radius > 0) {
            painter.setBrush(fill ? QBrush(QColor::fromRgb(*fill)) : QBrush(Qt::NoBrush));
            painter.drawEllipse(QPointF(x1, y1), radius, radius);
        } else {
            painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
        }
    }
};

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
    QPainter& painter() { return painter_; }
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
        const Shape dot{x, y, x, y, 1, 1, blue, white};
        EXPECT_TRUE(dot.stamp(stamped.stamps, stamped.target));
        dot.paint(painted.painter());
    }
    stamped.painter.reset();
    EXPECT_EQ(stamped.painterUses, 1);
    EXPECT_TRUE(stamped.image == painted.image());
}

TEST_P(PixelStampsTest, LinesAlongTheAxesAreStampedEndByEnd) {
    Stamped stamped(GetParam());
    Painted painted(GetParam());
    const Shape lines[] = {
        {600, 480, 658.83f, 480, 0, 2, blue, {}}, // a bar
        {600, 470, 600.4f, 470, 0, 2, blue, {}},  // a short one
        {600, 100, 600, 500, 0, 1, blue, {}},     // the pattern axis
        {450, 510, 450, 90, 0, 2, blue, {}},      // the detector, drawn upwards
    };
    for (const Shape& line : lines) {
        EXPECT_TRUE(line.stamp(stamped.stamps, stamped.target));
        line.paint(painted.painter());
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

TEST_P(PixelStampsTest, ShortLinesAcrossTheEdgeOfAnOctaveAreLearntByBothEnds) {
    // A place within a pixel is read at the scale of its octave: a short line from below an
    // octave's edge to above it shares the bits of its start with lines above the edge, and those
    // of its end with lines below, where the same bits are other places.
    const qreal ratio = GetParam();
    Stamped stamped(ratio);
    Painted painted(ratio);
    float across = 100;
    for (const float edge : {128.f, 256.f, 512.f}) { // in device pixels
        for (const float start : {1 / 8.f, 1 / 4.f, 3 / 8.f}) {
            for (const float end : {1 / 4.f, 1 / 2.f, 3 / 4.f}) {
                const int width = 1 + static_cast<int>(across) % 4;
                for (const auto& [from, to] : {std::pair(edge - 1 + start, edge + end),
                                               std::pair(edge + 2 + 2 * start, edge + 3 + end),
                                               std::pair(edge - 3 + start, edge - 2 + end / 2)}) {
                    const auto a = static_cast<float>(from / ratio);
                    const auto b = static_cast<float>(to / ratio);
                    for (const Shape& line : {Shape{a, across, b, across, 0, width, blue, {}},
                                              Shape{across, a, across, b, 0, width, blue, {}}}) {
                        EXPECT_TRUE(line.stamp(stamped.stamps, stamped.target));
                        line.paint(painted.painter());
                    }
                }
                across += 7;
            }
        }
    }
    stamped.painter.reset();
    EXPECT_TRUE(stamped.image == painted.image());
}

// Families of small circles, filled and not, and of lines along both axes both ways, in the
// scene's colours: a shape, and variants of it that share its place within the pixel in some
// coordinates and not in others. Halved in one coordinate, a place keeps its bits in the octave
// below; halved in both, a shape at pixel ratio 2 falls on the device places it has at ratio 1.
// Most places lie on a grid of sixteenths of a pixel, some on whole pixels next to the edge of an
// octave, the rest anywhere.
std::vector<Shape> randomShapes(int families) {
    std::mt19937 random(14);
    const auto below = [&random](int n) { return static_cast<int>(random() % n); };
    const auto sign = [&below] { return below(2) ? 1.0f : -1.0f; };
    const auto place = [&](int low, int high) {
        if (below(8) == 0)
            return static_cast<float>((128 << below(3)) - 4 + below(8));
        const auto whole = static_cast<float>(low + below(high - low));
        return whole + (below(4) > 0 ? below(16) / 16.0f : std::ldexp(float(random() >> 9), -23));
    };
    const auto length = [&] { return sign() * (below(2) ? below(16) : below(161)) / 4.0f; };
    const QRgb scene[] = {toQRgb(colours::foreground), toQRgb(colours::white), toQRgb(colours::ray),
                          toQRgb(colours::resultant), toQRgb(colours::marker)};
    const auto colour = [&] { return scene[below(5)]; };

    std::vector<Shape> shapes;
    for (int family = 0; family < families; ++family) {
        const float x = place(130, 520);
        const float y = place(130, 520);
        // Braced, so evaluated from left to right.
        Shape first{x, y, x, y, 0, 1 + below(4), colour(), std::nullopt};
        const bool circle = below(3) == 0;
        if (circle) {
            first.radius = (1 + below(16)) / 2.0f;
            if (below(2))
                first.fill = colour();
        } else {
            (below(2) ? first.x2 : first.y2) += length();
        }
        shapes.push_back(first);
        for (int variant = 0; variant < 4; ++variant) {
            Shape shape = first;
            const bool horizontal = shape.y1 == shape.y2;
            float& end = horizontal ? shape.x2 : shape.y2;
            switch (below(6)) {
            case 0:
                shape.width = 1 + below(4);
                break;
            case 1:
                if (circle)
                    shape.radius = (1 + below(16)) / 2.0f;
                else
                    end = (horizontal ? shape.x1 : shape.y1) + length();
                break;
            case 2: // filled or not, or drawn the other way
                if (circle) {
                    shape.fill = shape.fill ? std::nullopt : std::optional(colour());
                } else {
                    std::swap(shape.x1, shape.x2);
                    std::swap(shape.y1, shape.y2);
                }
                break;
            case 3: { // a sixteenth of a pixel away, wholly or at its end
                const float sixteenth = sign() / 16;
                const int which = below(circle ? 2 : 3);
                if (which < 2)
                    shape.moveBy(which == 0 ? sixteenth : 0, which == 1 ? sixteenth : 0);
                else
                    end += sixteenth;
                break;
            }
            case 4: { // halved in x, in y or in both
                const int which = below(3);
                if (which != 1) {
                    shape.x1 /= 2;
                    shape.x2 /= 2;
                }
                if (which != 0) {
                    shape.y1 /= 2;
                    shape.y2 /= 2;
                }
                break;
            }
            default: // mirrored in the diagonal
                std::swap(shape.x1, shape.y1);
                std::swap(shape.x2, shape.y2);
            }
            shape.moveBy(static_cast<float>(below(17) - 8), static_cast<float>(below(17) - 8));
            shape.pen = colour();
            shapes.push_back(shape);
        }
    }
    return shapes;
}

TEST(PixelStamps, ManyShapesOverlappingGetThePaintersPixelsAtBothRatios) {
    const std::vector<Shape> shapes = randomShapes(600);
    // One learner for both ratios, as a window's when it moves to another screen.
    PixelStamps stamps;
    for (const qreal ratio : {1.0, 2.0}) {
        Stamped stamped(ratio);
        Painted painted(ratio);
        std::size_t leftToPainter = 0;
        for (const Shape& shape : shapes) {
            if (!shape.stamp(stamps, stamped.target)) {
                ++leftToPainter;
                shape.paint(stamped.target.painter());
            }
            shape.paint(painted.painter());
        }
        stamped.painter.reset();
        EXPECT_LT(leftToPainter, shapes.size() / 20) << "at pixel ratio " << ratio;
        EXPECT_TRUE(stamped.image == painted.image()) << "at pixel ratio " << ratio;
    }
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
