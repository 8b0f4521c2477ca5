#pragma once

#include "window_design.h"

#include <span>

namespace lumorix {

// How the client area is shown when the teacher makes it bigger: every design pixel becomes
// `scale` pixels of the window, with the area's top left corner at (left, top). The default is
// the design as it is.
struct ClientPlacement {
    double scale = 1;
    double left = 0;
    double top = 0;
    friend bool operator==(const ClientPlacement&, const ClientPlacement&) = default;
};

// The window's zoom steps, from 100 % to 200 %.
std::span<const double> zoomSteps();
// The step after or before a zoom; the ends stay where they are.
double zoomStepIn(double zoom);
double zoomStepOut(double zoom);
// The largest step whose window shows the whole client area within width × height; the first
// step where none does.
double largestZoomFitting(int width, int height);

// The client area scaled uniformly to the largest size that fits into width × height, centred
// there, on a screen of pixelRatio device pixels to a pixel: the board then takes a whole
// multiple of the area's proportions in device pixels (4 × 3 for 800 × 600), so that no row or
// column of it is left half painted, and its top left corner falls on a device pixel. The desktop
// and the page fit themselves by this one rule.
ClientPlacement fitClientArea(double width, double height, double pixelRatio = 1);
// The window's size that shows the whole client area at a zoom.
int zoomedLength(int designLength, double zoom);

// A design box at a scale. Its edges are scaled and rounded, so that boxes that meet in the
// design still meet.
Box scaled(const Box& box, double scale);
// The box that the whole client area takes in a placement.
Box placedClientArea(const ClientPlacement& placement);
// A design box of the client area where a placement puts it.
Box placed(const Box& box, const ClientPlacement& placement);

} // namespace lumorix
