#include "banded_canvas.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <future>
#include <limits>
#include <system_error>
#include <variant>

namespace lumorix {

namespace {

constexpr float everywhere = std::numeric_limits<float>::infinity();

// Makes a recorded call again on a canvas, which keeps the state it changes as the recording
// canvas did.
struct Replay {
    Canvas& canvas;

    void operator()(const SetScalePixels&) const { canvas.setScalePixels(); }
    void operator()(const DrawLine& line) const {
        if (line.colour)
            canvas.drawLine(line.x1, line.y1, line.x2, line.y2, *line.colour);
        else
            canvas.drawLine(line.x1, line.y1, line.x2, line.y2);
    }
    void operator()(const DrawCircle& circle) const {
        if (circle.colour)
            canvas.drawCircle(circle.x, circle.y, circle.radius, *circle.colour);
        else
            canvas.drawCircle(circle.x, circle.y, circle.radius);
    }
    void operator()(const SetDrawWidth& width) const { canvas.setDrawWidth(width.width); }
    void operator()(const SetFillSolid&) const { canvas.setFillSolid(); }
    void operator()(const SetFillColour& fill) const { canvas.setFillColour(fill.colour); }
    // Not recorded: it draws nothing.
    void operator()(const NextRandom&) const {}
};

} // namespace

// A band of rows, [first, end) in device pixels, and its picture: the surface's own for the
// first band, one of its own for each other.
struct BandedCanvas::Band {
    Band(RandomSequence& random, ScreenSurface& whole, bool first, ScreenCanvas& learner)
        : own(first ? nullptr
                    : std::make_unique<ScreenSurface>(whole.logicalSize(), whole.pixelRatio(),
                                                      whole.background()))
        , picture(first ? whole : *own)
        , canvas(random, picture, learner) {}

    std::unique_ptr<ScreenSurface> own;
    ScreenSurface& picture;
    ScreenCanvas canvas;
    int first = 0;
    int end = 0;
    // The logical rows whose calls the band paints.
    float top = -everywhere;
    float bottom = everywhere;
};

BandedCanvas::BandedCanvas(RandomSequence& random, ScreenSurface& surface, ScreenCanvas& learner,
                           int bands)
    : Canvas(random)
    , surface_(surface) {
    for (int band = 0; band < std::max(bands, 1); ++band)
        bands_.push_back(std::make_unique<Band>(random, surface, band == 0, learner));
}

BandedCanvas::~BandedCanvas() = default;

void BandedCanvas::received(const CanvasCall& call) {
    if (std::holds_alternative<NextRandom>(call))
        return;
    // A call that sets the state, made again on top of it, changes nothing.
    if (calls_.empty())
        startState_ = state();
    // How far beyond its shape a call can paint: half the pen's width and the rounding to a
    // device pixel, with room to spare.
    const auto margin = static_cast<float>(state().drawWidth + 1 + 1 / surface_.pixelRatio());
    if (const auto* line = std::get_if<DrawLine>(&call)) {
        calls_.push_back(
            {call, std::min(line->y1, line->y2) - margin, std::max(line->y1, line->y2) + margin});
    } else if (const auto* circle = std::get_if<DrawCircle>(&call)) {
        const float reach = std::abs(circle->radius) + margin;
        calls_.push_back({call, circle->y - reach, circle->y + reach});
    } else {
        calls_.push_back({call, -everywhere, everywhere});
    }
}

void BandedCanvas::shareOutRows() {
    const qreal ratio = surface_.pixelRatio();
    const int height = (surface_.logicalSize() * ratio).height();
    std::vector<int> perRow(static_cast<std::size_t>(std::max(height, 1)));
    int drawn = 0;
    for (const Recorded& recorded : calls_) {
        if (std::isinf(recorded.top))
            continue;
        const double centre = (double(recorded.top) + recorded.bottom) / 2 * ratio;
        ++perRow[static_cast<std::size_t>(std::clamp(centre, 0.0, double(perRow.size() - 1)))];
        ++drawn;
    }
    // Each band's share of the calls, by their rows.
    const auto count = static_cast<int>(bands_.size());
    int row = 0;
    int below = 0;
    for (int band = 0; band < count; ++band) {
        Band& b = *bands_[static_cast<std::size_t>(band)];
        b.first = row;
        if (band == count - 1) {
            row = height;
        } else {
            const int share = (band + 1) * drawn / count;
            while (row < height && below + perRow[static_cast<std::size_t>(row)] <= share)
                below += perRow[static_cast<std::size_t>(row++)];
        }
        b.end = row;
        b.top = band == 0 ? -everywhere : static_cast<float>(b.first / ratio);
        b.bottom = band == count - 1 ? everywhere : static_cast<float>(b.end / ratio);
    }
}

void BandedCanvas::paint(const std::function<void()>& takeBreak) {
    if (calls_.empty())
        return;
    if (!shared_) {
        // The other bands start from the picture as it is: the labels, painted before any run.
        if (!surface_.isBlank()) {
            const QImage& whole = surface_.image();
            for (auto band = std::next(bands_.begin()); band != bands_.end(); ++band) {
                ScreenSurface::Painting painting((*band)->picture);
                std::memcpy(painting.bits(), whole.constBits(),
                            static_cast<std::size_t>(whole.sizeInBytes()));
            }
        }
        shareOutRows();
        shared_ = true;
    }
    {
        // Should a band here fail, the others are waited for as their futures go.
        std::vector<std::future<void>> others;
        std::vector<Band*> here{bands_.front().get()};
        for (auto band = std::next(bands_.begin()); band != bands_.end(); ++band) {
            try {
                others.push_back(
                    std::async(std::launch::async, [this, &b = **band] { paintBand(b, nullptr); }));
            } catch (const std::system_error&) { // no thread to be had: slower, but drawn
                here.push_back(band->get());
            }
        }
        for (Band* band : here)
            paintBand(*band, &takeBreak);
        for (std::future<void>& other : others) {
            while (other.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready)
                takeBreak();
            other.get();
        }
    }
    calls_.clear();
    // No band draws now.
    bands_.front()->canvas.trimLearnt();
}

void BandedCanvas::paintBand(Band& band, const std::function<void()>* takeBreak) {
    // Often enough for a break to come within a millisecond of being due, even while the fast
    // path learns.
    constexpr std::size_t callsBetweenBreaks = 16;
    band.canvas.restore(startState_);
    const Replay replay{band.canvas};
    for (std::size_t i = 0; i < calls_.size(); ++i) {
        const Recorded& recorded = calls_[i];
        if (recorded.top < band.bottom && recorded.bottom > band.top)
            std::visit(replay, recorded.call);
        if (takeBreak && i % callsBetweenBreaks == 0)
            (*takeBreak)();
    }
    band.canvas.flush();
    // Drawn aside: nothing of it is shown before the whole picture is.
    band.picture.takeTouched();
}

void BandedCanvas::paintEveryBand(const std::function<void(QImage&)>& paint) {
    for (const auto& band : bands_) {
        // Until the bands share out the rows, the others have yet to copy the first.
        if (band != bands_.front() && !shared_)
            continue;
        ScreenSurface::Painting painting(band->picture);
        paint(painting.image());
    }
}

void BandedCanvas::finish() {
    if (!shared_ || bands_.size() == 1)
        return;
    ScreenSurface::Painting whole(surface_);
    const qsizetype bytesPerLine = whole.bytesPerLine();
    for (auto band = std::next(bands_.begin()); band != bands_.end(); ++band) {
        const Band& b = **band;
        std::memcpy(whole.bits() + b.first * bytesPerLine,
                    b.picture.image().constBits() + b.first * bytesPerLine,
                    static_cast<std::size_t>((b.end - b.first) * bytesPerLine));
    }
}

} // namespace lumorix
