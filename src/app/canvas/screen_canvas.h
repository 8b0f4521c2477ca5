#pragma once

#include "canvas/canvas.h"
#include "pixel_stamps.h"
#include "screen_surface.h"

#include <QPainter>
#include <QRegion>
#include <optional>
#include <vector>

namespace lumorix {

// How the on-screen canvas turns calls into pixels: the fast path stamps what it has learnt from
// the painter and hands everything else to it; the general path paints every call.
enum class DrawingPath { fast, general };

// The on-screen back end: paints each call into the window's surface, aliased, since the pictures
// are pixel art. The surface may have a device pixel ratio above 1; coordinates stay logical
// pixels. Every run sets the scale to pixels before it draws, so the scale needs no conversion
// here. Calls between two flushes share one painter.
class ScreenCanvas final : public Canvas {
public:
    // Does not take ownership of the random sequence or the surface, which outlive the canvas.
    ScreenCanvas(RandomSequence& random, ScreenSurface& surface,
                 DrawingPath path = DrawingPath::fast);
    // A canvas on another surface that draws by the path of `learner`, with what it has learnt,
    // and teaches it what it learns: a redrawn board is as fast as the live one, and
    // leaves it ready for the new resolution. The learner outlives this canvas.
    ScreenCanvas(RandomSequence& random, ScreenSurface& surface, ScreenCanvas& learner);

    // Finishes the painting of the calls so far and adds the area they touched to the surface's.
    void flush();

private:
    // The surface open for painting between two flushes; its painter only once a call needs it.
    struct Open {
        explicit Open(ScreenSurface& surface);
        QPainter& painter();
        ScreenSurface::Painting painting;
        std::optional<QPainter> painter_;
        StampTarget target;
    };

    void received(const CanvasCall& call) override;
    void draw(const DrawLine& line);
    void draw(const DrawCircle& circle);
    // The canvas itself keeps the state these change, and the random sequence.
    void draw(const SetScalePixels&) {}
    void draw(const SetDrawWidth&) {}
    void draw(const SetFillSolid&) {}
    void draw(const SetFillColour&) {}
    void draw(const NextRandom&) {}

    Open& open();
    QPen pen(const std::optional<Colour>& colour) const;
    void touched(const QRectF& area);

    ScreenSurface& surface_;
    DrawingPath path_;
    PixelStamps ownStamps_;
    PixelStamps& stamps_;
    std::optional<Open> open_;
    // The boxes touched since the last flush, those of the same rows joined into one: a step of
    // impact mode touches a hundred boxes along one row, and a region is costly to grow one box
    // at a time.
    std::vector<QRect> touched_;
};

} // namespace lumorix
