#pragma once

#include "app/canvas/screen_canvas.h"
#include "app/canvas/screen_surface.h"
#include "design/window_design.h"
#include "experiment/pause.h"
#include "experiment/scene_labels.h"

#include <QRegion>
#include <QSize>
#include <functional>
#include <utility>

namespace lumorix {

// The size of a surface that stands for the window's client area.
inline constexpr QSize clientSize(clientWidth, clientHeight);

// The window's part in a run on a bare surface: labels that stay put, and a pause that only ends
// the step's painting and takes the area to show, as the window's does before it waits, and
// hands it to `shown` if given.
class StepByStep final : public SceneLabels, public Pause {
public:
    using Shown = std::function<void(const QRegion& touched)>;
    // Does not take ownership of the canvas or the surface.
    StepByStep(ScreenCanvas& canvas, ScreenSurface& surface, Shown shown = {})
        : canvas_(canvas)
        , surface_(surface)
        , shown_(std::move(shown)) {}
    void show(SceneLabel) override {}
    void hide(SceneLabel) override {}
    void setLeft(SceneLabel, float) override {}
    void setTop(SceneLabel, float) override {}
    void wait(double) override {
        canvas_.flush();
        const QRegion touched = surface_.takeTouched();
        if (shown_)
            shown_(touched);
    }

private:
    ScreenCanvas& canvas_;
    ScreenSurface& surface_;
    Shown shown_;
};

} // namespace lumorix
