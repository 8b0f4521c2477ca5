#pragma once

#include "canvas/canvas.h"
#include "screen_canvas.h"
#include "screen_surface.h"

#include <QImage>
#include <atomic>
#include <functional>
#include <future>
#include <memory>
#include <vector>

namespace lumorix {

// A redrawn picture painted in horizontal bands at once, one thread to a band: the calls of a run
// are recorded as the run makes them, then each band paints them, through a canvas of its own that
// draws with what the learner's fast path has learnt, into a picture of its own, leaving out the
// calls that cannot reach its rows, while the next run is made and recorded. A band's rows of its
// picture are exactly those of the whole picture drawn in one; they are put together into the
// surface when it is complete.
//
// Before each run is painted the bands share out its rows so that they take equally long: by the
// run's calls on each row, and by how fast each band painted the last run, since where the fast
// path still learns a call costs many times what a stamp does. Rows that change bands are handed
// over, with their pixels, from one picture to the other.
class BandedCanvas final : public Canvas {
public:
    // Does not take ownership of the random sequence, the surface or the learner, which outlive
    // this canvas. No run may be drawn on the learner meanwhile. While this thread waits for the
    // bands it calls takeBreak() every millisecond, for the window to answer if it is due to.
    BandedCanvas(RandomSequence& random, ScreenSurface& surface, ScreenCanvas& learner, int bands,
                 std::function<void()> takeBreak);
    // Stops the painting under way.
    ~BandedCanvas() override;

    // Starts painting the calls recorded since the last time, once the bands have painted those
    // before, and returns: the next run can be made meanwhile. Once the calls are painted, and
    // before anything later, `afterwards` is painted into every band's picture: the labels that
    // the run changed.
    void paint(std::function<void(QImage&)> afterwards);
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
    // Waits for the bands to paint what they were given, and paints what comes afterwards.
    void awaitBands();
    void shareOutRows();
    void handOver(const std::vector<int>& ends);
    void paintBand(Band& band);

    ScreenSurface& surface_;
    std::function<void()> takeBreak_;
    std::vector<std::unique_ptr<Band>> bands_;
    // The calls being recorded, with the state they found, and those the bands paint.
    std::vector<Recorded> calls_;
    CanvasState startState_;
    std::vector<Recorded> painting_;
    CanvasState paintingState_;
    std::function<void(QImage&)> afterwards_;
    std::vector<std::future<void>> painters_;
    std::atomic<bool> stopped_ = false;
    bool rowsShared_ = false;
};

} // namespace lumorix
