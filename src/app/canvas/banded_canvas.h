#pragma once

#include "canvas/canvas.h"
#include "screen_canvas.h"
#include "screen_surface.h"

#include <QImage>
#include <functional>
#include <memory>
#include <vector>

namespace lumorix {

// A picture drawn aside in horizontal bands at once, one thread to a band: the calls of a run are
// recorded as the run makes them, then each band paints them, through a canvas of its own that
// draws with what the learner's fast path has learnt, into a picture of its own, leaving out the
// calls that cannot reach its rows. A band's rows of its picture are then exactly those of the
// whole picture drawn in one; they are put together into the surface when it is complete. The
// bands share out the rows so that each paints as many calls of the first run as the others.
class BandedCanvas final : public Canvas {
public:
    // Does not take ownership of the random sequence, the surface or the learner, which outlive
    // this canvas. No run may be drawn on the learner meanwhile.
    BandedCanvas(RandomSequence& random, ScreenSurface& surface, ScreenCanvas& learner, int bands);
    ~BandedCanvas() override;

    // Paints the calls recorded since the last time, all bands at once, and returns when they are
    // painted. Meanwhile this thread calls takeBreak() every so often, for the window to answer
    // if it is due to; it must not change what the bands paint from.
    void paint(const std::function<void()>& takeBreak);
    // Paints something every band needs, such as the labels, into each band's picture.
    void paintEveryBand(const std::function<void(QImage&)>& paint);
    // Puts the bands' rows together into the surface, which then holds the whole picture.
    void finish();

private:
    // A call as recorded, with the logical rows it can reach.
    struct Recorded {
        CanvasCall call;
        float top;
        float bottom;
    };
    struct Band;

    void received(const CanvasCall& call) override;
    void shareOutRows();
    // Paints a band, calling takeBreak() every so often when there is one.
    void paintBand(Band& band, const std::function<void()>* takeBreak);

    ScreenSurface& surface_;
    std::vector<std::unique_ptr<Band>> bands_;
    std::vector<Recorded> calls_;
    // The state as the recorded calls found it.
    CanvasState startState_;
    bool shared_ = false;
};

} // namespace lumorix
