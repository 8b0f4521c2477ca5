#pragma once

#include "canvas_call.h"
#include "colour.h"
#include "core/fatal_error.h"
#include "core/random_sequence.h"

namespace lumorix {

enum class FillStyle { transparent, solid };

// The pen and fill state that persists from call to call and from run to run. The scale needs no
// state: every run sets it to pixels before it draws.
struct CanvasState {
    int drawWidth = 1;
    FillStyle fillStyle = FillStyle::transparent;
    Colour fillColour = colours::foreground;

    friend bool operator==(const CanvasState&, const CanvasState&) = default;
};

// The immediate-mode drawing surface of a run. It keeps the state that the calls change and hands
// every call, once the state is up to date, to its back end through received(). Coordinates and
// radii are computed in double precision and become single precision at the call; one beyond
// single range throws FatalError::overflow().
class Canvas {
public:
    // Does not take ownership of the random sequence, which outlives the canvas.
    explicit Canvas(RandomSequence& random)
        : random_(random) {}
    virtual ~Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    void setScalePixels();
    void drawLine(double x1, double y1, double x2, double y2);
    void drawLine(double x1, double y1, double x2, double y2, Colour colour);
    void drawCircle(double x, double y, double radius);
    void drawCircle(double x, double y, double radius, Colour colour);
    void setDrawWidth(int width);
    void setFillSolid();
    void setFillColour(Colour colour);
    float nextRandom();

    const CanvasState& state() const { return state_; }
    // Puts the pen and fill state back to one it had before; nothing is drawn.
    void restore(const CanvasState& state) { state_ = state; }

protected:
    virtual void received(const CanvasCall& call) = 0;

private:
    CanvasState state_;
    RandomSequence& random_;
};

} // namespace lumorix
