#include "scene_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace lumorix {
namespace {

TEST(Apparatus, StartUpSelectionsDrawTheWholeScene) {
    RandomSequence random;
    RecordingCanvas canvas(random);
    setUpApparatus(canvas, startUpFields());
    std::vector<std::string> expected{"setScalePixels"};
    // Background rows over whatever earlier runs drew.
    for (const int y : {1,   31,  61,  91,  121, 151, 181, 211, 241, 271,
                        301, 331, 361, 391, 421, 451, 481, 511, 541, 571})
        expected.push_back("drawLine 5 " + std::to_string(y) + " 800 " + std::to_string(y) +
                           " 0xC0C0C0");
    expected.insert(expected.end(), {
                                        "setFillColour 0xFFFFFF",
                                        "setFillSolid",
                                        "drawCircle 150 300 5",
                                        "drawLine 150 300 250 285",
                                        "drawLine 150 300 250 315",
                                        "setDrawWidth 2",
                                        "drawLine 250 100 250 500",
                                        "setFillColour 0xC0C0C0",
                                        "drawCircle 250 315 2 0xC0C0C0",
                                        "drawCircle 250 285 2 0xC0C0C0",
                                        "drawLine 450 510 450 90",
                                        "drawLine 600 100 600 500",
                                        "setDrawWidth 1",
                                        "drawLine 130 300 750 300",
                                    });
    EXPECT_EQ(lines(canvas.calls()), expected);
}

// The detector stands the distance right of the wall, added as a number, and each hole the offset
// above or below the axis: the rays from the source reach both, and background discs drawn after
// the wall open it there.
TEST(Apparatus, TheFieldsPlaceTheHolesAndTheDetector) {
    const struct {
        const char* distance;
        const char* offset;
        float detectorX, holeAY, holeBY;
    } geometries[] = {
        {"100", "0", 350, 300, 300},
        {"150", "40", 400, 260, 340},
        {"200", "5", 450, 295, 305},
        {"150", "7.5", 400, 292.5f, 307.5f},
    };
    for (const auto& geometry : geometries) {
        SCOPED_TRACE(testing::Message() << geometry.distance << " / " << geometry.offset);
        RandomSequence random;
        RecordingCanvas canvas(random);
        const Apparatus scene = setUpApparatus(
            canvas, ParameterTexts(geometry.distance, geometry.offset, "0.5", "0", "1"));
        EXPECT_EQ(scene.detectorX, geometry.detectorX);
        EXPECT_EQ(scene.holeAY(), geometry.holeAY);
        EXPECT_EQ(scene.holeBY(), geometry.holeBY);
        EXPECT_EQ(scene.frequency, 0.5);

        const std::vector<CanvasCall>& calls = canvas.calls();
        const auto at = [&](const CanvasCall& call) {
            return std::ranges::find(calls, call) - calls.begin();
        };
        const auto wall = at(DrawLine{250, 100, 250, 500, std::nullopt});
        for (const float holeY : {geometry.holeAY, geometry.holeBY}) {
            EXPECT_LT(at(DrawLine{150, 300, 250, holeY, std::nullopt}), wall) << "ray to " << holeY;
            const auto opening = at(DrawCircle{250, holeY, 2, colours::background});
            EXPECT_GT(opening, wall) << "opening at " << holeY;
            EXPECT_LT(opening, std::ssize(calls)) << "opening at " << holeY;
        }
        EXPECT_LT(at(DrawLine{geometry.detectorX, 510, geometry.detectorX, 90, std::nullopt}),
                  std::ssize(calls));
    }
}

TEST(Apparatus, LeavesTheCanvasReadyForTheScan) {
    SceneFixture fixture;
    EXPECT_EQ(fixture.canvas.state(), (CanvasState{1, FillStyle::solid, colours::background}));
}

} // namespace
} // namespace lumorix
