#pragma once

#include "parameter_fields.h"
#include "run_states.h"

namespace lumorix {

class Canvas;

// The scene of one run, in client-area pixels (x to the right, y downward).
struct Apparatus {
    static constexpr int sourceX = 150;
    static constexpr int axisY = 300; // the source and the symmetry axis between the holes
    static constexpr int wallX = 250;
    static constexpr int wallTop = 100;
    static constexpr int wallBottom = 500;
    static constexpr int screenX = 600; // the pattern axis
    static constexpr int screenTop = wallTop;
    static constexpr int screenBottom = wallBottom;
    static constexpr int arrowLength = 25;
    static constexpr int dotBandWidth = 100;

    double detectorX;  // wallX + the detector distance
    double holeOffset; // each hole's distance from the axis
    double frequency;  // radians of arrow turn per pixel of path length
    RunStates states{};

    // Hole A is the upper hole, hole B the lower one.
    double holeAY() const { return axisY - holeOffset; }
    double holeBY() const { return axisY + holeOffset; }
    bool holeAOpen() const { return !states.coverA; }
    bool holeBOpen() const { return !states.coverB; }
};

// The vertical pattern axis at screenX, in the foreground colour at the draw width in force. The
// set-up draws it, and every scan step and the end of a run draw it again over what reached it.
void drawPatternAxis(Canvas& canvas);

// Blanks twenty rows of the old picture, fixes the scene from the parameter fields and the run's
// states and draws the apparatus: source, rays to the holes, wall with its holes (a covered one
// plugged, an open one ringed by the which-path detector when it is on), detector line, pattern
// axis, base line. Leaves the canvas at draw width 1, fill solid, fill colour background grey.
Apparatus setUpApparatus(Canvas& canvas, const ParameterFields& fields,
                         const RunStates& states = {});

// The scene that setUpApparatus fixes, without drawing it; throws FatalError where a run would.
Apparatus apparatusFor(const ParameterFields& fields, const RunStates& states = {});

} // namespace lumorix
