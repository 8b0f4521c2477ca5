#include "plotted_steps.h"
#include "scene_fixture.h"

#include <gtest/gtest.h>

namespace lumorix {
namespace {

TEST(IntensityModel, EnvelopesOfTheStartUpGeometry) {
    SceneFixture fixture;
    const struct {
        int scanY;
        double envelopeA, envelopeB, envelopeSum;
    } rows[] = {
        {285, 320, 1220, 0.0039446721}, // level with hole A
        {300, 545, 545, 2.0 / 545},     // on the axis
        {480, 38345, 27545, 0.0000623832},
    };
    for (const auto& row : rows) {
        const Envelopes envelopes = envelopesAt(fixture.scene, row.scanY);
        EXPECT_EQ(envelopes.envelopeA, row.envelopeA) << row.scanY;
        EXPECT_EQ(envelopes.envelopeB, row.envelopeB) << row.scanY;
        EXPECT_NEAR(envelopes.envelopeSum, row.envelopeSum, 1e-10) << row.scanY;
    }
}

TEST(IntensityModel, HorizontalTermIsTheSmallestEnvelope) {
    for (const auto& [distance, horizontal] :
         {std::pair{"100", 80.0}, std::pair{"150", 180.0}, std::pair{"200", 320.0}}) {
        SceneFixture fixture(ParameterTexts(distance, "0", "2", "0", "1"));
        const Envelopes onAxis = envelopesAt(fixture.scene, 300);
        EXPECT_NEAR(onAxis.envelopeA, horizontal, 1e-9) << "distance " << distance;
        EXPECT_EQ(onAxis.envelopeA, onAxis.envelopeB);
        EXPECT_DOUBLE_EQ(onAxis.envelopeSum, 2 / onAxis.envelopeA);
    }
}

struct ScalingCase {
    const char* name;
    const char* mode;
    int scanY;
    double raw;
    double scaled;
};

void PrintTo(const ScalingCase& c, std::ostream* os) {
    *os << c.name;
}

class ScaleForDisplayMode : public testing::TestWithParam<ScalingCase> {};

TEST_P(ScaleForDisplayMode, StartUpGeometry) {
    const ScalingCase& c = GetParam();
    SceneFixture fixture(ParameterTexts("200", "15", "2", c.mode, "1"));
    const double raw = formPhasors(fixture.canvas, fixture.scene, scanPointAt(500 - c.scanY));
    ASSERT_NEAR(raw, c.raw, 1e-4);
    EXPECT_NEAR(scaleForDisplayMode(fixture.fields, raw, envelopesAt(fixture.scene, c.scanY)),
                c.scaled, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(
    IntensityModel, ScaleForDisplayMode,
    testing::Values(ScalingCase{"lightLevelWithHoleA", "0", 285, 3824.0179, 58.8295},
                    ScalingCase{"impactLevelWithHoleA", "2", 285, 3824.0179, 3824.0179},
                    ScalingCase{"unknownModeLeavesRaw", "3", 285, 3824.0179, 3824.0179},
                    ScalingCase{"modeMatchedAsText", "01", 285, 3824.0179, 3824.0179},
                    ScalingCase{"blankedModeMatchesNothing", " 0", 285, 3824.0179, 3824.0179}),
    [](const auto& info) { return std::string(info.param.name); });

// On the axis both paths are alike and the raw intensity is 10000, so a light bar there shows its
// geometry's calibration factor undisguised: 10000 × factor × 2 / (offset² + 0.008 × distance²);
// and the hole-A marker stands its distance's marker scale / (offset² + 0.008 × distance²) left
// of the axis.
TEST(IntensityModel, CalibratedLightBarsAndMarkersOnTheAxis) {
    const struct {
        const char* distance;
        const char* offset;
        double bar;
        double markerA;
    } geometries[] = {
        {"200", "40", 43.75, 589.5833},    {"200", "15", 143.1193, 563.3028},
        {"200", "10", 142.8571, 552.381},  {"200", "5", 142.029, 542.029},
        {"200", "0", 143.75, 537.5},       {"150", "40", 28.0899, 592.9775},
        {"150", "15", 108.642, 569.1358},  {"150", "10", 142.8571, 555.3571},
        {"150", "5", 136.5854, 539.0244},  {"150", "0", 138.8889, 530.5556},
        {"100", "40", 13.0952, 595.8333},  {"100", "15", 75.4098, 577.0492},
        {"100", "10", 142.2222, 561.1111}, {"100", "5", 142.8571, 533.3333},
        {"100", "0", 142.5, 512.5},
    };
    for (const auto& geometry : geometries) {
        SCOPED_TRACE(testing::Message() << geometry.distance << " / " << geometry.offset);
        const PlottedStep onAxis =
            plottedRun(ParameterTexts(geometry.distance, geometry.offset, "2", "0", "1"),
                       RandomSequence())
                .at(199);
        EXPECT_NEAR(onAxis.bar.value(), geometry.bar, 1e-4);
        ASSERT_EQ(onAxis.markers.size(), 3u);
        EXPECT_NEAR(onAxis.markers[0], geometry.markerA, 2e-4); // in single precision
    }
}

// An option without its calibration would plot its light pattern raw, bars up to 10000 pixels
// long, and one without its marker scale would trace no envelopes. Calibrated, no bar is longer
// than 187 pixels.
TEST(IntensityModel, EveryGeometryTheControlsOfferIsCalibrated) {
    for (const ParameterTexts& geometry : everyGeometry("0")) {
        SCOPED_TRACE(geometryText(geometry));
        for (const PlottedStep& step : plottedRun(geometry, RandomSequence())) {
            ASSERT_LE(step.bar.value(), 187.1);
            ASSERT_EQ(step.markers.size(), 3u);
        }
    }
}

TEST(IntensityModel, CalibrationKeysMatchOnlyTheirExactText) {
    EXPECT_EQ(calibrationFactor("200", "15"), 3.9);
    EXPECT_EQ(calibrationFactor("200.0", "15"), std::nullopt);
    EXPECT_EQ(calibrationFactor(" 200", "15"), std::nullopt);
    EXPECT_EQ(calibrationFactor("250", "15"), std::nullopt);
    EXPECT_EQ(calibrationFactor("200", "60"), std::nullopt);
    EXPECT_EQ(calibrationFactor("200", "015"), std::nullopt);
    EXPECT_EQ(calibrationFactor("15", "200"), std::nullopt);
    EXPECT_EQ(calibrationFactor("", ""), std::nullopt);

    // Light mode with a pair that has no factor leaves the raw intensity.
    for (const auto& [distance, offset] : {std::pair{"200", "20"}, std::pair{"120", "15"}}) {
        SceneFixture fixture(ParameterTexts(distance, offset, "2", "0", "1"));
        EXPECT_EQ(scaleForDisplayMode(fixture.fields, 9876.5, envelopesAt(fixture.scene, 285)),
                  9876.5)
            << distance << " / " << offset;
    }
}

} // namespace
} // namespace lumorix
