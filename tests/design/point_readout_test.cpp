#include "design/point_readout_text.h"
#include "experiment/parameter_fields.h"

#include <cmath>
#include <gtest/gtest.h>

namespace lumorix {
namespace {

TEST(PointReadout, LevelWithHoleAItReadsBothPathsTheirDifferenceInWavelengthsAndThePhase) {
    const auto readout = pointReadout(ParameterTexts("200", "15", "2", "0", "1"), {}, 285);
    ASSERT_TRUE(readout);
    EXPECT_EQ(readout->height, 15);
    EXPECT_NEAR(readout->pathA, 200, 5e-5);
    EXPECT_NEAR(readout->pathB, 202.2375, 5e-5);
    EXPECT_NEAR(readout->pathDifference, 2.2375, 5e-5);
    EXPECT_NEAR(readout->wavelengths, 0.7122, 5e-5);
    EXPECT_NEAR(readout->phaseDifference, -103.6, 0.05);
    EXPECT_NEAR(readout->brightness, 3824.0179, 5e-5);
    const std::string text = pointReadoutText(*readout);
    for (const char* read : {"řádku 285, 15 px nad osou.", "dírky A 200 px", "dírky B 202,2 px",
                             "2,237 px = 0,7122 λ", "−103,6°", "Jas 3824 z 10\u00A0000."})
        EXPECT_NE(text.find(read), std::string::npos) << read << " in\n" << text;
}

TEST(PointReadout, SaysWhatPassesTheHolesAndNothingOffTheScan) {
    const ParameterTexts defaults("200", "15", "2", "0", "1");
    const auto coveredA = pointReadout(defaults, {true, false, false}, 320);
    ASSERT_TRUE(coveredA);
    EXPECT_NEAR(coveredA->brightness, 2500, 1e-6);
    EXPECT_NE(pointReadoutText(*coveredA).find("20 px pod osou"), std::string::npos);
    EXPECT_NE(pointReadoutText(*coveredA).find("jen dírkou B"), std::string::npos);
    EXPECT_FALSE(pointReadout(defaults, {}, 100));
    EXPECT_FALSE(pointReadout(ParameterTexts("200", "Odchylka", "2", "0", "1"), {}, 300));
}

} // namespace
} // namespace lumorix
