#include "scene_fixture.h"

#include <gtest/gtest.h>

namespace lumorix {
namespace {

std::vector<std::string> setUpScript(ParameterTexts fields) {
    RandomSequence random;
    RecordingCanvas canvas(random);
    setUpApparatus(canvas, fields);
    return lines(canvas.calls());
}

TEST(Apparatus, StartUpSelectionsDrawTheWholeScene) {
    std::vector<std::string> expected{"setScalePixels"};
    for (int y = 1; y <= 571; y += 30)
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
    EXPECT_EQ(setUpScript(startUpFields()), expected);
}

TEST(Apparatus, FixesTheSceneFromTheFields) {
    RandomSequence random;
    RecordingCanvas canvas(random);
    const Apparatus scene = setUpApparatus(canvas, ParameterTexts("150", "40", "0.5", "0", "1"));
    EXPECT_EQ(scene.detectorX, 400);
    EXPECT_EQ(scene.holeOffset, 40);
    EXPECT_EQ(scene.frequency, 0.5);
    EXPECT_EQ(scene.holeAY(), 260);
    EXPECT_EQ(scene.holeBY(), 340);
}

TEST(Apparatus, DistanceIsAddedAsANumberNotJoinedAsText) {
    for (const auto& [distance, detectorLine] :
         {std::pair{"100", "drawLine 350 510 350 90"}, std::pair{"150", "drawLine 400 510 400 90"},
          std::pair{"200", "drawLine 450 510 450 90"}}) {
        EXPECT_EQ(setUpScript(ParameterTexts(distance, "15", "2", "0", "1")).at(31), detectorLine)
            << "distance " << distance;
    }
}

TEST(Apparatus, HoleOffsetMovesTheRaysAndTheOpenings) {
    const auto together = setUpScript(ParameterTexts("200", "0", "2", "0", "1"));
    EXPECT_EQ(together.at(24), "drawLine 150 300 250 300");
    EXPECT_EQ(together.at(25), "drawLine 150 300 250 300");
    EXPECT_EQ(together.at(29), "drawCircle 250 300 2 0xC0C0C0");
    EXPECT_EQ(together.at(30), "drawCircle 250 300 2 0xC0C0C0");

    const auto apart = setUpScript(ParameterTexts("200", "40", "2", "0", "1"));
    EXPECT_EQ(apart.at(24), "drawLine 150 300 250 260");
    EXPECT_EQ(apart.at(25), "drawLine 150 300 250 340");
    EXPECT_EQ(apart.at(29), "drawCircle 250 340 2 0xC0C0C0");
    EXPECT_EQ(apart.at(30), "drawCircle 250 260 2 0xC0C0C0");
}

TEST(Apparatus, LeavesTheCanvasReadyForTheScan) {
    SceneFixture fixture;
    EXPECT_EQ(fixture.canvas.state(),
              (CanvasState{CanvasScale::pixels, 1, FillStyle::solid, colours::background}));
}

} // namespace
} // namespace lumorix
