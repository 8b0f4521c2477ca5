#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace lumorix {

// How the page paints the circles and lines of a display list (display_list.h) at a pixel ratio,
// shape by shape in the list's order, by the rule of stamps (canvas/stamp_rule.h): the canvas
// paints it itself, or it is stamped from a stamp learnt at its exact place, or from one learnt at
// the nearest place to it within a pixel, which each entry then gives for x and y. The page
// learns each stamp from its own canvas, antialiased as the canvas paints, and copies it into its
// own pixels.
class StampPlan {
public:
    enum How : std::int32_t { canvas = 0, exact = 1, nearestPlace = 2 };
    // how, then the pixel and the place of x and of y
    static constexpr int perShape = 5;

    // Plans the shapes of the list from the value at `from` on, up to `shapes` of them or to the
    // list's end, in place of what was planned before.
    void plan(std::span<const float> values, std::size_t from, std::size_t shapes,
              double pixelRatio);
    std::span<const std::int32_t> entries() const { return entries_; }

private:
    std::vector<std::int32_t> entries_;
};

} // namespace lumorix
