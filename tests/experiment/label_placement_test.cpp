#include "experiment/experiment.h"
#include "experiment/label_placement.h"
#include "run_recorder.h"
#include "scene_fixture.h"

#include <gtest/gtest.h>
#include <map>

namespace lumorix {
namespace {

// The scene labels as a window keeps them, at their latest place. Both pattern captions start
// visible, so that hiding one is seen.
class PlacedLabels final : public SceneLabels {
public:
    PlacedLabels() {
        labels_[SceneLabel::labInterObr].visible = true;
        labels_[SceneLabel::labPravde].visible = true;
    }

    struct Label {
        bool visible = false;
        float left = -1;
        float top = -1;
    };

    void show(SceneLabel label) override { labels_[label].visible = true; }
    void hide(SceneLabel label) override { labels_[label].visible = false; }
    void setLeft(SceneLabel label, float left) override { labels_[label].left = left; }
    void setTop(SceneLabel label, float top) override { labels_[label].top = top; }

    Label at(SceneLabel label) const {
        const auto found = labels_.find(label);
        return found == labels_.end() ? Label{} : found->second;
    }

private:
    std::map<SceneLabel, Label> labels_;
};

PlacedLabels placedFor(ParameterTexts fields, PlacedLabels labels = {}) {
    SceneFixture fixture(std::move(fields));
    placeLabels(fixture.canvas, labels, fixture.fields, fixture.scene);
    return labels;
}

void expectAt(const PlacedLabels& labels, SceneLabel label, float left, float top) {
    const PlacedLabels::Label placed = labels.at(label);
    EXPECT_TRUE(placed.visible) << objectName(label);
    EXPECT_EQ(placed.left, left) << objectName(label);
    EXPECT_EQ(placed.top, top) << objectName(label);
}

TEST(LabelPlacement, DetectorLabelFollowsTheDistance) {
    for (const auto& [distance, left] :
         {std::pair{"100", 350.0f}, std::pair{"150", 400.0f}, std::pair{"200", 450.0f}}) {
        expectAt(placedFor(ParameterTexts(distance, "15", "2", "0", "1")), SceneLabel::labDetektor,
                 left, 60);
    }
}

TEST(LabelPlacement, HoleLabelsFollowTheOffset) {
    for (const auto& [offset, topA, topB] :
         {std::tuple{"0", 265.0f, 320.0f}, std::tuple{"5", 260.0f, 325.0f},
          std::tuple{"10", 255.0f, 330.0f}, std::tuple{"15", 250.0f, 335.0f},
          std::tuple{"40", 225.0f, 360.0f}}) {
        const PlacedLabels labels = placedFor(ParameterTexts("150", offset, "2", "0", "1"));
        expectAt(labels, SceneLabel::labA, 220, topA);
        expectAt(labels, SceneLabel::labB, 220, topB);
    }
}

TEST(LabelPlacement, PatternCaptionComparesTheModeAsANumber) {
    for (const char* photon : {"1", "01", "1.0", " 1", "+1"}) {
        const PlacedLabels labels = placedFor(ParameterTexts("200", "15", "2", photon, "1"));
        expectAt(labels, SceneLabel::labPravde, 620, 60);
        EXPECT_FALSE(labels.at(SceneLabel::labInterObr).visible) << "mode \"" << photon << '"';
    }
    for (const char* other : {"0", "2", "3", "-1"}) {
        const PlacedLabels labels = placedFor(ParameterTexts("200", "15", "2", other, "1"));
        expectAt(labels, SceneLabel::labInterObr, 620, 60);
        EXPECT_FALSE(labels.at(SceneLabel::labPravde).visible) << "mode \"" << other << '"';
    }
}

TEST(LabelPlacement, ALightRunAfterAPhotonRunSwitchesTheCaptionBack) {
    PlacedLabels labels = placedFor(ParameterTexts("200", "15", "2", "1", "1"));
    labels = placedFor(startUpFields(), labels);
    EXPECT_FALSE(labels.at(SceneLabel::labPravde).visible);
    expectAt(labels, SceneLabel::labInterObr, 620, 60);
}

TEST(LabelPlacement, AxisFirstThenEachLabelShownBeforeItMovesAndHiddenBeforeTheOtherShows) {
    RandomSequence random;
    RunRecorder recorder(random);
    const ParameterTexts fields("100", "40", "2", "1", "1");
    const Apparatus scene = setUpApparatus(recorder.stream(), fields);
    recorder.clear();
    placeLabels(recorder.stream(), recorder.stream(), fields, scene);
    const std::vector<std::string> expected{
        "drawLine 600 100 600 500",
        "show labClona",
        "left labClona 210",
        "top labClona 90",
        "show labHustota",
        "left labHustota 540",
        "top labHustota 150",
        "hide labInterObr",
        "show labPravde",
        "left labPravde 620",
        "top labPravde 60",
        "show labZdroj",
        "left labZdroj 120",
        "top labZdroj 310",
        "show labDetektor",
        "left labDetektor 350",
        "top labDetektor 60",
        "show labA",
        "left labA 220",
        "top labA 225",
        "show labB",
        "left labB 220",
        "top labB 360",
    };
    EXPECT_EQ(recorder.script(), expected);
}

TEST(LabelPlacement, AModeThatIsNotANumberFailsAfterTheFirstTwoLabels) {
    RandomSequence random;
    RunRecorder recorder(random);
    const auto failure = recorder.run(ParameterTexts("200", "15", "2", "Interference", "1"));
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->number(), 13);
    const auto script = recorder.script();
    EXPECT_EQ(script.back(), "top labHustota 150");
    // Not "0", "1" or "2": the scan left the intensity raw and drew it as a bar.
    EXPECT_EQ(recorder.callsOf<PauseFor>().size(), 399u);
}

} // namespace
} // namespace lumorix
