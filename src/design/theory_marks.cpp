#include "theory_marks.h"

#include "experiment/apparatus.h"
#include "experiment/theory_fringes.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <optional>

namespace lumorix {

namespace {

using A = Apparatus;

// Across the pattern, clear of the axis; the label beyond the longest bars that most settings
// draw.
constexpr double patternFrom = A::screenX + 1;
constexpr double patternTo = 752;
constexpr int labelLeft = 756;
constexpr int labelWidth = 40;
constexpr double brightTick = 6;
constexpr double darkTick = 3;

// Labels closer than this would overlap.
constexpr int labelSpacing = 12;
// Dark marks between bright ones closer than this would cover the pattern.
constexpr double darkMarksFrom = 8;

// The least step of the orders labelled (1, 2, 5, 10, 20, 50…) whose labels do not overlap.
int labelStep(const std::vector<BrightFringe>& bright) {
    for (int decade = 1;; decade *= 10) {
        for (const int step : {decade, 2 * decade, 5 * decade}) {
            std::optional<double> previous;
            bool apart = true;
            for (const BrightFringe& fringe : bright) {
                if (fringe.order % step != 0)
                    continue;
                apart = apart && (!previous || fringe.row - *previous >= labelSpacing);
                previous = fringe.row;
            }
            if (apart)
                return step;
        }
    }
}

double closestBright(const std::vector<BrightFringe>& bright) {
    double closest = std::numeric_limits<double>::infinity();
    for (std::size_t n = 1; n < bright.size(); ++n)
        closest = std::min(closest, bright[n].row - bright[n - 1].row);
    return closest;
}

std::string orderText(int order) {
    if (order == 0)
        return "0";
    return (order > 0 ? "+" : "\u2212") + std::to_string(std::abs(order));
}

} // namespace

TheoryMarks theoryMarks(const ParameterFields& fields, const RunStates& states) {
    const TheoryFringes fringes = theoryFringes(fields, states);
    const double detector = fringes.detectorX;
    TheoryMarks marks;
    if (closestBright(fringes.bright) >= darkMarksFrom) {
        for (const double row : fringes.dark) {
            marks.dark.push_back({patternFrom, patternTo, row});
            marks.dark.push_back({detector - darkTick, detector + darkTick, row});
        }
    }
    const int labelledEvery = labelStep(fringes.bright);
    for (const BrightFringe& fringe : fringes.bright) {
        marks.bright.push_back({patternFrom, patternTo, fringe.row});
        marks.bright.push_back({detector - brightTick, detector + brightTick, fringe.row});
        if (fringe.order % labelledEvery == 0) {
            const int top = static_cast<int>(fringe.row - labelSpacing / 2.0 + 0.5);
            marks.labels.push_back(
                {{labelLeft, top, labelWidth, labelSpacing}, orderText(fringe.order)});
        }
    }
    return marks;
}

} // namespace lumorix
