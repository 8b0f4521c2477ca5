#include "../experiment/plotted_steps.h"
#include "design/theory_marks.h"
#include "experiment/theory_fringes.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace lumorix {
namespace {

std::vector<std::string> labelTexts(const TheoryMarks& marks) {
    std::vector<std::string> texts;
    for (const TheoryLabel& label : marks.labels)
        texts.push_back(label.text);
    return texts;
}

// Top down, the orders of the bright fringes, positive towards hole A; where the fringes lie too
// close for a label each, every fifth.
TEST(TheoryMarks, LabelsReadTheOrdersTopDown) {
    EXPECT_EQ(labelTexts(theoryMarks(ParameterTexts("200", "15", "2", "1", "1"))),
              (std::vector<std::string>{"+6", "+5", "+4", "+3", "+2", "+1", "0", "−1", "−2", "−3",
                                        "−4", "−5", "−6"}));
    EXPECT_EQ(
        labelTexts(theoryMarks(ParameterTexts("100", "40", "2", "1", "1"))),
        (std::vector<std::string>{"+20", "+15", "+10", "+5", "0", "−5", "−10", "−15", "−20"}));
}

// Whatever the settings, every label stands beside a bright fringe, and no two labels run into
// each other.
TEST(TheoryMarks, EachLabelStandsBesideItsBrightFringeAndNoneOverlap) {
    for (const ParameterTexts& geometry : everyGeometry("1")) {
        SCOPED_TRACE(geometryText(geometry));
        const TheoryFringes fringes = theoryFringes(geometry);
        const TheoryMarks marks = theoryMarks(geometry);
        EXPECT_EQ(marks.bright.size(), 2 * fringes.bright.size()) << "across and at the detector";
        if (!fringes.bright.empty()) {
            EXPECT_FALSE(marks.labels.empty());
        }
        for (std::size_t n = 0; n < marks.labels.size(); ++n) {
            const TheoryLabel& label = marks.labels[n];
            const double middle = label.box.top + label.box.height / 2.0;
            EXPECT_TRUE(std::ranges::any_of(fringes.bright, [&](const BrightFringe& fringe) {
                return std::abs(fringe.row - middle) <= 0.5;
            })) << label.text;
            if (n > 0) {
                EXPECT_GE(label.box.top, marks.labels[n - 1].box.top + label.box.height);
            }
        }
    }
}

TEST(TheoryMarks, NoneWhereThereIsNoPatternToMark) {
    for (const char* frequency : {"0", "Kmitočet"}) {
        const TheoryMarks marks = theoryMarks(ParameterTexts("200", "15", frequency, "1", "1"));
        EXPECT_TRUE(marks.bright.empty() && marks.dark.empty() && marks.labels.empty())
            << frequency;
    }
    // A hole covered or the which-path detector on: the arrows do not add, nothing swings.
    for (const RunStates states : {RunStates{true, false, false}, RunStates{false, true, false},
                                   RunStates{false, false, true}}) {
        const TheoryMarks marks = theoryMarks(ParameterTexts("200", "15", "2", "1", "1"), states);
        EXPECT_TRUE(marks.bright.empty() && marks.dark.empty() && marks.labels.empty());
    }
}

} // namespace
} // namespace lumorix
