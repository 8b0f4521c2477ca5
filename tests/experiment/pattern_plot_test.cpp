#include "scene_fixture.h"

#include <gtest/gtest.h>

namespace lumorix {
namespace {

// One whole scan step's plotting at the given scan row, as the run does it.
struct PlottedRow : SceneFixture {
    PlottedRow(ParameterTexts texts, int scanY)
        : SceneFixture(std::move(texts)) {
        const double raw = formPhasors(canvas, scene, scanPointAt(500 - scanY));
        envelopes = envelopesAt(scene, scanY);
        canvas.clearCalls();
        plotPattern(canvas, fields, scene, scanY, scaleForDisplayMode(fields, raw, envelopes),
                    envelopes);
    }

    std::vector<DrawCircle> impactDots() const {
        std::vector<DrawCircle> dots;
        for (const CanvasCall& call : canvas.calls()) {
            const auto* circle = std::get_if<DrawCircle>(&call);
            if (circle && circle->colour == colours::white)
                dots.push_back(*circle);
        }
        return dots;
    }

    Envelopes envelopes{};
};

// The calls from `first` on: thin pen, blue fill, markers for hole A, hole B and their sum, axis.
void expectMarkersThenAxis(const RecordingCanvas& canvas, std::size_t first, float scanY,
                           double markerA, double markerB, double sum) {
    ASSERT_EQ(canvas.calls().size(), first + 6) << testing::PrintToString(lines(canvas.calls()));
    EXPECT_EQ(canvas.callAt<SetDrawWidth>(first).width, 1);
    EXPECT_EQ(canvas.callAt<SetFillColour>(first + 1).colour, colours::marker);
    const double expectedX[] = {markerA, markerB, sum};
    const std::optional<Colour> expectedColour[] = {colours::marker, colours::marker, std::nullopt};
    for (std::size_t i = 0; i < 3; ++i) {
        const DrawCircle& marker = canvas.callAt<DrawCircle>(first + 2 + i);
        EXPECT_NEAR(marker.x, expectedX[i], 1e-4) << "marker " << i;
        EXPECT_EQ(marker.y, scanY);
        EXPECT_EQ(marker.radius, 1.0f);
        EXPECT_EQ(marker.colour, expectedColour[i]) << "marker " << i;
    }
    EXPECT_EQ(canvas.callAt<DrawLine>(first + 5), (DrawLine{600, 100, 600, 500, std::nullopt}));
}

TEST(PatternPlot, BarsThenMarkersThenTheAxis) {
    const struct {
        const char* mode;
        int scanY;
        float barEnd;
        double markerA, markerB, sum;
    } rows[] = {
        {"0", 285, 658.8295f, 537.5, 583.6066, 521.1066}, // level with hole A
        {"1", 285, 638.2402f, 537.5, 583.6066, 521.1066},
        {"0", 300, 743.1193f, 563.3028, 563.3028, 526.6055}, // on the axis
        {"1", 300, 700.0f, 563.3028, 563.3028, 526.6055},
        {"0", 480, 600.3159f, 599.4784, 599.2739, 598.7523}, // the first drawing step
        {"1", 480, 612.9851f, 599.4784, 599.2739, 598.7523},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "mode " << row.mode << ", row " << row.scanY);
        PlottedRow step(ParameterTexts("200", "15", "2", row.mode, "1"), row.scanY);
        const DrawLine& bar = step.canvas.callAt<DrawLine>(0);
        EXPECT_EQ(bar.x1, 600.0f);
        EXPECT_NEAR(bar.x2, row.barEnd, 1e-4);
        EXPECT_EQ(bar.y1, static_cast<float>(row.scanY));
        EXPECT_EQ(bar.y2, static_cast<float>(row.scanY));
        EXPECT_EQ(bar.colour, std::nullopt);
        expectMarkersThenAxis(step.canvas, 1, static_cast<float>(row.scanY), row.markerA,
                              row.markerB, row.sum);
    }
}

TEST(PatternPlot, ImpactModeSpraysOneDotPerWholeUnit) {
    PlottedRow step(ParameterTexts("200", "15", "2", "2", "1"), 285);
    const auto script = lines(step.canvas.calls());
    EXPECT_EQ(std::vector<std::string>(script.begin(), script.begin() + 3),
              (std::vector<std::string>{"setDrawWidth 1", "drawLine 620 285 720 285",
                                        "setFillColour 0xFFFFFF"}));

    // 58.8295 units: 58 dots, each taking the next random number in turn.
    const auto dots = step.impactDots();
    ASSERT_EQ(dots.size(), 58u);
    EXPECT_EQ(step.canvas.count<NextRandom>(), 58u);
    RandomSequence sequence;
    for (std::size_t i = 0; i < dots.size(); ++i) {
        const std::size_t at = 3 + 2 * i;
        const float r = step.canvas.callAt<NextRandom>(at).value;
        ASSERT_EQ(r, sequence.next());
        // Worked out in single precision, as the random number is.
        ASSERT_EQ(step.canvas.callAt<DrawCircle>(at + 1),
                  (DrawCircle{620.0f + 100.0f * r, 285, 1, colours::white}));
    }
    expectMarkersThenAxis(step.canvas, 3 + 2 * 58, 285, 537.5, 583.6066, 521.1066);
}

TEST(PatternPlot, ImpactDotCountsFollowTheImpactIntensity) {
    EXPECT_EQ(PlottedRow(ParameterTexts("200", "15", "2", "2", "1"), 300).impactDots().size(),
              143u);
    // The first drawing step's impact intensity is 0.3159: a band and no dot.
    PlottedRow dark(ParameterTexts("200", "15", "2", "2", "1"), 480);
    EXPECT_TRUE(dark.impactDots().empty());
    EXPECT_EQ(dark.canvas.callAt<DrawLine>(1), (DrawLine{620, 480, 720, 480, std::nullopt}));
    // The brightest row of any geometry: 0.025 × 10000 × 3.9 = 975 units, less the rounding of
    // the arrows' sum.
    const auto brightest = PlottedRow(ParameterTexts("100", "0", "2", "2", "1"), 300).impactDots();
    EXPECT_GE(brightest.size(), 974u);
    EXPECT_LE(brightest.size(), 975u);
}

TEST(PatternPlot, AnImpactIntensityOfExactlyThreeDrawsThreeDots) {
    const ParameterTexts impact("200", "15", "2", "2", "1");
    const auto dotsFor = [&](double intensity) {
        SceneFixture fixture(impact);
        plotPattern(fixture.canvas, fixture.fields, fixture.scene, 285, intensity,
                    Envelopes{320, 1220, 1, 1});
        return fixture.canvas.count<NextRandom>();
    };
    const double three = 3 / 3.9;
    ASSERT_EQ(1 * (three * 3.9), 3.0);
    EXPECT_EQ(dotsFor(three), 3u);
    EXPECT_EQ(dotsFor(std::nextafter(three, 0.0)), 2u);
    EXPECT_EQ(dotsFor(1 / 3.9), 1u);
    EXPECT_EQ(dotsFor(0.25), 0u);
    EXPECT_EQ(dotsFor(0), 0u);
}

TEST(PatternPlot, ADistanceOutsideTheMarkerTableDrawsNoMarkers) {
    PlottedRow step(ParameterTexts("250", "15", "2", "2", "1"), 300);
    const auto script = lines(step.canvas.calls());
    EXPECT_EQ(script.back(), "drawLine 600 100 600 500");
    EXPECT_EQ(script.at(script.size() - 2), "setDrawWidth 1");
    EXPECT_EQ(step.canvas.state().fillColour, colours::white) << "the dots' white stays";
}

TEST(PatternPlot, MoreDotsThanOneRowCanTakeIsAnOverflow) {
    const ParameterTexts impact("200", "15", "2", "2", "1");
    const auto plotImpacts = [&](double impactIntensity) {
        SceneFixture fixture(impact);
        plotPattern(fixture.canvas, fixture.fields, fixture.scene, 285, impactIntensity / 3.9,
                    Envelopes{320, 1220, 1, 1});
        return fixture.canvas.count<NextRandom>();
    };
    EXPECT_EQ(plotImpacts(32767.5), 32767u);
    try {
        plotImpacts(32768.5);
        FAIL() << "no overflow";
    } catch (const FatalError& error) {
        EXPECT_EQ(error.number(), 6);
    }
}

} // namespace
} // namespace lumorix
