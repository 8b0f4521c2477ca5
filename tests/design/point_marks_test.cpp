#include "design/point_marks.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace lumorix {
namespace {

const ParameterTexts startUp("200", "15", "2", "0", "1");

bool startsAt(const PointStroke& stroke, double x, double y) {
    return stroke.x1 == x && stroke.y1 == y;
}

long strokesFrom(const PointMarks& marks, double x, double y, Colour colour) {
    return std::ranges::count_if(marks.strokes, [&](const PointStroke& stroke) {
        return startsAt(stroke, x, y) && stroke.colour == colour;
    });
}

double length(const PointStroke& stroke) {
    return std::hypot(stroke.x2 - stroke.x1, stroke.y2 - stroke.y1);
}

TEST(PointMarks, ShowRaysFromTheOpenHolesAndTheArrowsFourTimesTheirRunSize) {
    const auto both = pointMarks(startUp, {}, 285);
    ASSERT_TRUE(both);
    EXPECT_EQ(strokesFrom(*both, 250, 285, pointMarkerColour), 1) << "ray from hole A";
    EXPECT_EQ(strokesFrom(*both, 250, 315, pointMarkerColour), 1) << "ray from hole B";
    // Hole B's arrow, drawn first, begins at the point and is 100 px long; the green resultant
    // begins there too.
    const auto arrowB = std::ranges::find_if(both->strokes, [](const PointStroke& stroke) {
        return startsAt(stroke, 450, 285) && stroke.colour == colours::foreground;
    });
    ASSERT_NE(arrowB, both->strokes.end());
    EXPECT_NEAR(length(*arrowB), 100, 1e-9);
    EXPECT_GE(strokesFrom(*both, 450, 285, colours::resultant), 1);
    EXPECT_NE(both->text.find("202,2"), std::string::npos) << both->text;

    const auto coveredA = pointMarks(startUp, {.coverA = true}, 285);
    ASSERT_TRUE(coveredA);
    EXPECT_EQ(strokesFrom(*coveredA, 250, 285, pointMarkerColour), 0)
        << "no ray from a covered hole";
    EXPECT_EQ(strokesFrom(*coveredA, 450, 285, colours::resultant), 0);

    // With the which-path detector both arrows begin at the point, side by side, unchained.
    const auto detected = pointMarks(startUp, {.whichPath = true}, 285);
    ASSERT_TRUE(detected);
    EXPECT_EQ(strokesFrom(*detected, 450, 285, colours::foreground), 2);
    EXPECT_EQ(strokesFrom(*detected, 450, 285, colours::resultant), 0);
}

TEST(PointMarks, TheMarkerStaysOnTheScanAndFollowsTheDetectorLine) {
    EXPECT_FALSE(pointMarks(startUp, {}, 100));
    EXPECT_FALSE(pointMarks(ParameterTexts("x", "15", "2", "0", "1"), {}, 285));
    EXPECT_EQ(movedPointRow(105, PointMove::pageUp), 101);
    EXPECT_EQ(movedPointRow(300, PointMove::up), 299);
    EXPECT_EQ(movedPointRow(300, PointMove::end), 499);
    EXPECT_EQ(movedPointRow(499, PointMove::down), 499);

    EXPECT_EQ(pointRowAt(startUp, 454, 200.4), 200);
    EXPECT_FALSE(pointRowAt(startUp, 440, 200)) << "beside the detector line";
    EXPECT_FALSE(pointRowAt(startUp, 450, 80)) << "above the scan";
    EXPECT_EQ(pointRowAt(ParameterTexts("100", "15", "2", "0", "1"), 350, 420), 420);
}

TEST(PointMarks, TheMarkersControlCoversWhereAClickFindsARowAndNoMore) {
    const auto box = pointLineBox(startUp);
    ASSERT_TRUE(box);
    EXPECT_EQ(pointRowAt(startUp, box->left, box->top + 1), 101) << "its top left corner";
    EXPECT_EQ(pointRowAt(startUp, box->left + box->width, box->top + box->height - 1), 499);
    EXPECT_FALSE(pointRowAt(startUp, box->left - 1, 300)) << "left of it";
    EXPECT_FALSE(pointRowAt(startUp, box->left + box->width + 1, 300)) << "right of it";
    EXPECT_FALSE(pointLineBox(ParameterTexts("x", "15", "2", "0", "1")));
}

} // namespace
} // namespace lumorix
