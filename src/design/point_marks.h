#pragma once

#include "canvas/colour.h"
#include "design/window_design.h"
#include "experiment/parameter_fields.h"
#include "experiment/run_states.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumorix {

// One straight stroke of the point readout's marks, in the client area's logical pixels.
struct PointStroke {
    double x1, y1, x2, y2;
    Colour colour;
    double width;
};

// The point readout as both editions show it over the picture, never in it, while "Zkoumat bod"
// is on: a marker across the detector line at the row, the rays from the open holes to it, the
// arrows that turn there four times as long as a run draws them (chained, or each from the point
// with the which-path detector on) with their heads, the resultant where two arrows chain, and the
// readout's lines in a box below the scene.
struct PointMarks {
    int row;
    std::vector<PointStroke> strokes; // in painting order
    Box textBox;
    std::string text; // pointReadoutText: one line each, painted left-aligned from the box's top
};

// The marker as assistive technology names it: a slider whose value is the readout's text.
inline constexpr std::string_view pointMarkerName = "Zkoumaný bod";
inline constexpr FontDesign pointTextFont{"Arial", 12, false};
inline constexpr Colour pointMarkerColour = Colour::fromRgb(200, 0, 0);
// The arrows are shown this many times their length in a run.
inline constexpr double pointArrowScale = 4;

// The marks for a row of the scan under the settings of the next run; none off the scan or for
// fields a run would fail on.
std::optional<PointMarks> pointMarks(const ParameterFields& fields, const RunStates& states,
                                     int row);

// Where the marker goes when it has not been moved yet: the axis row.
int initialPointRow();

// How the keys move the marker: one row up or down the screen, ten, or to an end of the scan
// (Home the top row, End the bottom one); always within the scan.
enum class PointMove { up, down, pageUp, pageDown, home, end };
int movedPointRow(int row, PointMove move);

// The row a click, a tap or a drag at (x, y) puts the marker on: anywhere within a few pixels of
// the detector line of the next run, the nearest row of the scan; none elsewhere.
std::optional<int> pointRowAt(const ParameterFields& fields, double x, double y);
// The box of the board that holds every point where pointRowAt finds a row, for a front end to
// lay its marker's control over; none for fields a run would fail on.
std::optional<Box> pointLineBox(const ParameterFields& fields);

} // namespace lumorix
