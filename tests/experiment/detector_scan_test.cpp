#include "scene_fixture.h"

#include <cmath>
#include <gtest/gtest.h>

namespace lumorix {
namespace {

constexpr double sixDecimals = 5e-7;

double intensityAt(SceneFixture& fixture, int scanStep) {
    return formPhasors(fixture.canvas, fixture.scene, scanPointAt(scanStep));
}

TEST(DetectorScan, ScanPointsClimbARowAStepAndEveryTwentiethDraws) {
    EXPECT_EQ(scanPointAt(1).scanY, 499);
    EXPECT_EQ(scanPointAt(200).scanY, 300);
    EXPECT_EQ(scanPointAt(scanSteps).scanY, 101);
    int drawingSteps = 0;
    for (int step = 1; step <= scanSteps; ++step)
        drawingSteps += scanPointAt(step).drawingStep ? 1 : 0;
    EXPECT_EQ(drawingSteps, 19);
    EXPECT_TRUE(scanPointAt(20).drawingStep);
    EXPECT_TRUE(scanPointAt(380).drawingStep);
}

TEST(DetectorScan, FirstDrawingStepMatchesTheWorkedExample) {
    SceneFixture fixture;
    const double intensity = intensityAt(fixture, 20);
    EXPECT_NEAR(intensity, 1298.507474, sixDecimals);

    const RecordingCanvas& canvas = fixture.canvas;
    ASSERT_EQ(canvas.calls().size(), 7u) << testing::PrintToString(lines(canvas.calls()));
    const DrawLine& arrowB = canvas.callAt<DrawLine>(0);
    EXPECT_EQ(arrowB.x1, 450.0f);
    EXPECT_EQ(arrowB.y1, 480.0f);
    EXPECT_FLOAT_EQ(arrowB.x2, 425.463683f);
    EXPECT_FLOAT_EQ(arrowB.y2, 475.207385f);
    EXPECT_EQ(arrowB.colour, std::nullopt);
    EXPECT_EQ(canvas.callAt<DrawLine>(1), (DrawLine{250, 315, 450, 480, colours::ray}));
    EXPECT_EQ(canvas.callAt<DrawCircle>(2), (DrawCircle{450, 480, 2, std::nullopt}));
    const DrawLine& arrowA = canvas.callAt<DrawLine>(3);
    EXPECT_EQ(arrowA.x1, arrowB.x2);
    EXPECT_EQ(arrowA.y1, arrowB.y2);
    EXPECT_FLOAT_EQ(arrowA.x2, 446.849853f);
    EXPECT_FLOAT_EQ(arrowA.y2, 462.260117f);
    EXPECT_EQ(arrowA.colour, std::nullopt);
    EXPECT_EQ(canvas.callAt<DrawLine>(4), (DrawLine{250, 285, 450, 480, colours::ray}));
    EXPECT_EQ(canvas.callAt<SetDrawWidth>(5).width, 2);
    const DrawLine& resultant = canvas.callAt<DrawLine>(6);
    EXPECT_EQ(resultant.x1, 450.0f);
    EXPECT_EQ(resultant.y1, 480.0f);
    EXPECT_EQ(resultant.x2, arrowA.x2);
    EXPECT_EQ(resultant.y2, arrowA.y2);
    EXPECT_EQ(resultant.colour, colours::resultant);
}

TEST(DetectorScan, OtherStepsOnlyWidenThePen) {
    SceneFixture fixture;
    for (const int step : {1, 19, 21, 199, 201, 379, 381, 399}) {
        fixture.canvas.clearCalls();
        intensityAt(fixture, step);
        EXPECT_EQ(lines(fixture.canvas.calls()), std::vector<std::string>{"setDrawWidth 2"})
            << "step " << step;
    }
}

TEST(DetectorScan, OnTheAxisTheArrowsAreParallelForEveryGeometry) {
    for (const char* offset : {"0", "5", "10", "15", "40"}) {
        for (const char* frequency : {"0.1", "0.3", "0.5", "2"}) {
            SceneFixture fixture(ParameterTexts("150", offset, frequency, "0", "1"));
            EXPECT_NEAR(intensityAt(fixture, 200), 10000, 1e-6)
                << "offset " << offset << ", frequency " << frequency;
            const DrawLine& resultant = fixture.canvas.callAt<DrawLine>(6);
            EXPECT_NEAR(std::hypot(resultant.x2 - resultant.x1, resultant.y2 - resultant.y1), 50,
                        1e-4);
        }
    }
}

TEST(DetectorScan, HolesTogetherGiveFullBrightnessEverywhere) {
    SceneFixture fixture(ParameterTexts("100", "0", "2", "0", "1"));
    for (int step = 1; step <= scanSteps; ++step)
        ASSERT_NEAR(intensityAt(fixture, step), 10000, 1e-6) << "step " << step;
}

TEST(DetectorScan, StepsMirroredAboutTheAxisAreEquallyBright) {
    SceneFixture fixture;
    EXPECT_NEAR(intensityAt(fixture, 1), 4393.377310, sixDecimals);
    EXPECT_NEAR(intensityAt(fixture, 399), 4393.377310, sixDecimals);
    EXPECT_NEAR(intensityAt(fixture, 380), 1298.507474, sixDecimals);
    for (int step = 1; step < 200; ++step)
        ASSERT_NEAR(intensityAt(fixture, step), intensityAt(fixture, 400 - step), 1e-6) << step;
}

} // namespace
} // namespace lumorix
