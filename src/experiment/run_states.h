#pragma once

namespace lumorix {

// What the teacher has put in the light's way for a run, besides the parameter fields: a cover
// over hole A or hole B, and a which-path detector at the holes, which tells which way the light
// went. All off is the plain run with both holes open.
struct RunStates {
    bool coverA = false;
    bool coverB = false;
    bool whichPath = false;

    // Light passes both holes and nothing tells which way: their arrows add up, and the pattern
    // has fringes.
    bool plain() const { return !coverA && !coverB && !whichPath; }

    friend bool operator==(const RunStates&, const RunStates&) = default;
};

} // namespace lumorix
