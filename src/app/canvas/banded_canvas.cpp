#include "banded_canvas.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <ctime>
#include <future>
#include <limits>
#include <numeric>
#include <system_error>
#include <utility>
#include <variant>

namespace lumorix {

namespace {

constexpr float everywhere = std::numeric_limits<float>::infinity();

// The processor time of this thread: what a band costs, however busy the machine is with others.
std::chrono::nanoseconds threadTime() {
    timespec time{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return std::chrono::seconds(time.tv_sec) + std::chrono::nanoseconds(time.tv_nsec);
}

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
    // How many calls it painted last time, and the processor time that took.
    int painted = 0;
    std::chrono::nanoseconds took{};
};

BandedCanvas::BandedCanvas(RandomSequence& random, ScreenSurface& surface, ScreenCanvas& learner,
                           int bands, std::function<void()> takeBreak)
    : Canvas(random)
    , surface_(surface)
    , takeBreak_(std::move(takeBreak)) {
    for (int band = 0; band < std::max(bands, 1); ++band)
        bands_.push_back(std::make_unique<Band>(random, surface, band == 0, learner));
    // The other bands start from the picture as it is, the labels painted before any run.
    if (!surface.isBlank()) {
        const QImage& whole = surface.image();
        for (auto band = std::next(bands_.begin()); band != bands_.end(); ++band) {
            ScreenSurface::Painting painting((*band)->picture);
            std::memcpy(painting.bits(), whole.constBits(),
                        static_cast<std::size_t>(whole.sizeInBytes()));
        }
    }
}

BandedCanvas::~BandedCanvas() {
    stopped_ = true;
    for (std::future<void>& painter : painters_)
        painter.wait();
}

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
    for (const Recorded& recorded : painting_) {
        if (std::isinf(recorded.top))
            continue;
        const double centre = (double(recorded.top) + recorded.bottom) / 2 * ratio;
        ++perRow[static_cast<std::size_t>(std::clamp(centre, 0.0, double(perRow.size() - 1)))];
        ++drawn;
    }
    // Calls a band paints in a given time; alike until every band has painted.
    std::vector<double> pace;
    for (const auto& band : bands_)
        pace.push_back(double(band->painted + 1) / double(band->took.count()));
    if (std::any_of(bands_.begin(), bands_.end(),
                    [](const auto& b) { return b->took.count() == 0; }))
        std::fill(pace.begin(), pace.end(), 1.0);
    const double allPace = std::accumulate(pace.begin(), pace.end(), 0.0);

    std::vector<int> ends;
    int row = 0;
    int below = 0;
    double share = 0;
    for (std::size_t band = 0; band + 1 < bands_.size(); ++band) {
        share += pace[band] / allPace;
        while (row < height && below + perRow[static_cast<std::size_t>(row)] <= share * drawn)
            below += perRow[static_cast<std::size_t>(row++)];
        ends.push_back(row);
    }
    ends.push_back(height);
    if (rowsShared_)
        handOver(ends);
    rowsShared_ = true;
    for (std::size_t band = 0; band < bands_.size(); ++band) {
        Band& b = *bands_[band];
        b.first = band == 0 ? 0 : ends[band - 1];
        b.end = ends[band];
        b.top = band == 0 ? -everywhere : static_cast<float>(b.first / ratio);
        b.bottom = band + 1 == bands_.size() ? everywhere : static_cast<float>(b.end / ratio);
    }
}

void BandedCanvas::handOver(const std::vector<int>& ends) {
    std::size_t from = 0;
    std::size_t to = 0;
    for (int row = 0; row < ends.back(); ++row) {
        while (row >= bands_[from]->end)
            ++from;
        while (row >= ends[to])
            ++to;
        if (from == to)
            continue;
        const QImage& source = bands_[from]->picture.image();
        ScreenSurface::Painting target(bands_[to]->picture);
        std::memcpy(target.bits() + row * target.bytesPerLine(), source.constScanLine(row),
                    static_cast<std::size_t>(target.bytesPerLine()));
    }
}

void BandedCanvas::paint(std::function<void(QImage&)> afterwards) {
    awaitBands();
    afterwards_ = std::move(afterwards);
    if (calls_.empty()) {
        awaitBands();
        return;
    }
    std::swap(painting_, calls_);
    calls_.clear();
    paintingState_ = startState_;
    shareOutRows();
    for (const auto& band : bands_) {
        try {
            painters_.push_back(
                std::async(std::launch::async, [this, &b = *band] { paintBand(b); }));
        } catch (const std::system_error&) { // no thread to be had: slower, but drawn
            paintBand(*band);
        }
    }
}

void BandedCanvas::awaitBands() {
    for (std::future<void>& painter : painters_) {
        while (painter.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready)
            takeBreak_();
    }
    // Every band is waited for before a failure of any is passed on.
    std::vector<std::future<void>> painted = std::move(painters_);
    painters_.clear();
    for (std::future<void>& painter : painted)
        painter.get();
    if (afterwards_) {
        for (const auto& band : bands_) {
            ScreenSurface::Painting painting(band->picture);
            afterwards_(painting.image());
        }
        afterwards_ = nullptr;
    }
    // No band draws now.
    bands_.front()->canvas.trimLearnt();
}

void BandedCanvas::paintBand(Band& band) {
    // How many calls to paint between looks at whether to stop.
    constexpr std::size_t callsBetweenLooks = 64;
    const std::chrono::nanoseconds start = threadTime();
    band.painted = 0;
    band.canvas.restore(paintingState_);
    const Replay replay{band.canvas};
    for (std::size_t i = 0; i < painting_.size(); ++i) {
        if (i % callsBetweenLooks == 0 && stopped_)
            break;
        const Recorded& recorded = painting_[i];
        if (recorded.top < band.bottom && recorded.bottom > band.top) {
            std::visit(replay, recorded.call);
            ++band.painted;
        }
    }
    band.canvas.flush();
    band.took = threadTime() - start;
}

void BandedCanvas::finish() {
    awaitBands();
    if (!rowsShared_ || bands_.size() == 1)
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
