#include "canvas/recording_canvas.h"
#include "printers.h"

#include <gtest/gtest.h>

namespace lumorix {
namespace {

class CanvasTest : public testing::Test {
protected:
    RandomSequence random;
    RecordingCanvas canvas{random};
};

TEST_F(CanvasTest, StartsAsTheWindowDoes) {
    EXPECT_EQ(canvas.state().drawWidth, 1);
    EXPECT_EQ(canvas.state().fillStyle, FillStyle::transparent);
    EXPECT_EQ(canvas.state().fillColour, colours::foreground);
}

TEST_F(CanvasTest, StateCallsChangeTheStateAndAreRecorded) {
    canvas.setScalePixels();
    canvas.setDrawWidth(2);
    canvas.setFillSolid();
    canvas.setFillColour(colours::marker);
    EXPECT_EQ(canvas.state(), (CanvasState{2, FillStyle::solid, colours::marker}));
    ASSERT_EQ(canvas.calls().size(), 4u);
    EXPECT_EQ(canvas.callAt<SetDrawWidth>(1).width, 2);
    EXPECT_EQ(canvas.callAt<SetFillColour>(3).colour, colours::marker);
}

TEST_F(CanvasTest, AColourIsRecordedOnlyWhenTheCallPassesOne) {
    canvas.drawLine(1, 2, 3, 4);
    canvas.drawLine(1, 2, 3, 4, colours::foreground);
    canvas.drawCircle(5, 6, 7);
    canvas.drawCircle(5, 6, 7, colours::background);
    EXPECT_EQ(canvas.callAt<DrawLine>(0), (DrawLine{1, 2, 3, 4, std::nullopt}));
    EXPECT_EQ(canvas.callAt<DrawLine>(1).colour, colours::foreground);
    EXPECT_EQ(canvas.callAt<DrawCircle>(2).colour, std::nullopt);
    EXPECT_EQ(canvas.callAt<DrawCircle>(3).colour, colours::background);
}

TEST_F(CanvasTest, ACoordinateBeyondSingleRangeFailsWithoutDrawing) {
    EXPECT_THROW(canvas.drawLine(0, 0, 1e39, 0), FatalError);
    EXPECT_THROW(canvas.drawCircle(0, -1e300, 1), FatalError);
    EXPECT_TRUE(canvas.calls().empty());
}

TEST_F(CanvasTest, NextRandomHandsOutTheSequenceAndRecordsIt) {
    RandomSequence reference;
    const float first = canvas.nextRandom();
    const float second = canvas.nextRandom();
    EXPECT_EQ(first, reference.next());
    EXPECT_EQ(second, reference.next());
    EXPECT_EQ(canvas.callAt<NextRandom>(1).value, second);
    EXPECT_EQ(canvas.count<NextRandom>(), 2u);
}

TEST_F(CanvasTest, CallsReadAsTraceLines) {
    canvas.setScalePixels();
    canvas.drawLine(450, 480, 425.463683, 475.207385);
    canvas.drawLine(250, 315, 450, 480, colours::ray);
    canvas.drawCircle(250, 285, 2, colours::background);
    canvas.setFillColour(colours::white);
    canvas.setDrawWidth(2);
    canvas.setFillSolid();
    const std::vector<std::string> expected{
        "setScalePixels",
        "drawLine 450 480 425.46368 475.2074",
        "drawLine 250 315 450 480 0xFFFFC0",
        "drawCircle 250 285 2 0xC0C0C0",
        "setFillColour 0xFFFFFF",
        "setDrawWidth 2",
        "setFillSolid",
    };
    std::vector<std::string> lines;
    for (const CanvasCall& call : canvas.calls())
        lines.push_back(toText(call));
    EXPECT_EQ(lines, expected);
}

TEST(FatalError, AnyExceptionBecomesAFatalErrorToReport) {
    const auto failureOf = [](auto exception) {
        return unexpectedFailure(std::make_exception_ptr(exception));
    };
    EXPECT_EQ(failureOf(FatalError::divisionByZero()).number(), 11);
    EXPECT_EQ(failureOf(std::bad_alloc()).number(), 7);
    EXPECT_EQ(failureOf(std::runtime_error("boom")).number(), 51);
    EXPECT_EQ(failureOf(42).number(), 51);
}

} // namespace
} // namespace lumorix
