#include "../experiment/plotted_steps.h"
#include "design/theory_marks.h"
#include "experiment/theory_fringes.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace lumorix {
namespace {

// What a teacher reads off the marks: every label names the bright fringe it stands beside, and
// no two labels run into each other, whatever the settings.
TEST(TheoryMarks, EachLabelNamesItsBrightFringeAndNoneOverlap) {
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
            const auto fringe = std::ranges::find_if(fringes.bright, [&](const BrightFringe& f) {
                return std::abs(f.row - middle) <= 0.5;
            });
            ASSERT_NE(fringe, fringes.bright.end()) << label.text;
            const std::string order = fringe->order == 0
                                          ? "0"
                                          : (fringe->order > 0 ? "+" : "\u2212") +
                                                std::to_string(std::abs(fringe->order));
            EXPECT_EQ(label.text, order);
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
