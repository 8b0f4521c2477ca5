#pragma once

namespace lumorix {

// The pace of the animation: after every scan step the run asks for a pause of delayCount counts.
// The count comes straight from the slowdown field, so it may be negative or fractional when the
// field holds such a text; a pause must still end.
class Pause {
public:
    virtual ~Pause() = default;
    virtual void wait(double delayCount) = 0;
};

} // namespace lumorix
