#include "board/label_board.h"
#include "canvas/stamp_rule.h"
#include "web/display_list.h"
#include "web/stamp_plan.h"

#include <gtest/gtest.h>
#include <vector>

namespace lumorix {
namespace {

using Entry = std::vector<std::int32_t>;
const Entry byCanvas{StampPlan::canvas, 0, 0, 0, 0};
const Entry exact{StampPlan::exact, 0, 0, 0, 0};

Entry entry(const StampPlan& plan, std::size_t shape) {
    const auto entries = plan.entries().subspan(shape * StampPlan::perShape, StampPlan::perShape);
    return {entries.begin(), entries.end()};
}

TEST(StampPlanTest, EachShapeOfAListHasItsEntryInOrderWhateverLiesBetween) {
    CanvasState filled;
    filled.fillStyle = FillStyle::solid;
    filled.fillColour = colours::white;
    CanvasState wide;
    wide.drawWidth = 2;
    LabelBoard labels;
    DisplayList list;
    list.paintBoard(labels);
    list.draw(NextRandom{0.8147237F}, filled);
    list.draw(DrawCircle{701.47235F, 499, 1, colours::white}, filled);    // an impact dot
    list.draw(DrawCircle{599.8236F, 499, 1, colours::marker}, filled);    // an envelope marker
    list.draw(DrawLine{250, 300, 350, 380, std::nullopt}, CanvasState{}); // a ray
    labels.show(SceneLabel::labDetektor);
    list.paintLabelChanges(labels, labels.commit()); // a clip, labels and fills between shapes
    list.draw(DrawLine{600, 100, 600, 500, std::nullopt}, wide);      // the detector, vertical
    list.draw(DrawCircle{150, 300, 20, std::nullopt}, filled);        // too large to stamp
    list.draw(DrawLine{5, 31, 800, 31, std::nullopt}, CanvasState{}); // a band: once a run
    list.draw(NextRandom{0.1F}, filled);
    list.draw(DrawCircle{40, 300, 1, colours::white}, filled); // too near for the places

    StampPlan plan;
    plan.plan(list.values(), 0, 100, 1);
    ASSERT_EQ(plan.entries().size(), 7u * StampPlan::perShape);
    EXPECT_EQ(entry(plan, 0), (Entry{StampPlan::nearestPlace, 701, 8, 499, 0}));
    EXPECT_EQ(entry(plan, 1), exact);
    EXPECT_EQ(entry(plan, 2), exact);
    EXPECT_EQ(entry(plan, 3), exact);
    EXPECT_EQ(entry(plan, 4), byCanvas);
    EXPECT_EQ(entry(plan, 5), byCanvas);
    EXPECT_EQ(entry(plan, 6), byCanvas);

    // At twice the pixels, what lay near the board's edge lies far enough from it.
    plan.plan(list.values(), 0, 100, 2);
    EXPECT_EQ(entry(plan, 0), (Entry{StampPlan::nearestPlace, 1402, 15, 998, 0}));
    EXPECT_EQ(entry(plan, 5), byCanvas);
    EXPECT_EQ(entry(plan, 6), (Entry{StampPlan::nearestPlace, 80, 0, 600, 0}));
}

TEST(StampPlanTest, PlansFromAShapesRecordForAsManyShapesAsAsked) {
    DisplayList list;
    for (int i = 0; i < 10; ++i) {
        list.draw(NextRandom{0.5F}, CanvasState{});
        list.draw(DrawCircle{100.0F + static_cast<float>(i), 200, 1, std::nullopt}, CanvasState{});
    }
    const std::size_t record = list.size() / 10;
    StampPlan plan;
    plan.plan(list.values(), 3 * record, 4, 1);
    ASSERT_EQ(plan.entries().size(), 4u * StampPlan::perShape);
    EXPECT_EQ(entry(plan, 0)[1], 103);
    EXPECT_EQ(entry(plan, 3)[1], 106);
    plan.plan(list.values(), 8 * record, 4, 1);
    EXPECT_EQ(plan.entries().size(), 2u * StampPlan::perShape);
}

} // namespace
} // namespace lumorix
