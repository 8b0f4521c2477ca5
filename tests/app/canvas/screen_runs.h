#pragma once

#include "app/canvas/screen_canvas.h"
#include "app/canvas/screen_surface.h"
#include "design/window_design.h"
#include "experiment/pause.h"
#include "experiment/scene_labels.h"

#include <QSize>

namespace lumorix {

// The size of a surface that stands for the window's client area.
inline constexpr QSize clientSize(clientWidth, clientHeight);

// The window's part in a run on a bare surface: labels that stay put, and a pause that only ends
// the step's painting and takes the area to show, as the window's does before it waits.
class StepByStep final : public SceneLabels, public Pause {
public:
    // Does not take ownership of the canvas or the surface.
    StepByStep(ScreenCanvas& canvas, ScreenSurface& surface)
        : canvas_(canvas)
        , surface_(surface) {}
    void show(SceneLabel) override {}
    void hide(SceneLabel) override {}
    void setLeft(SceneLabel, float) override {}
    void setTop(SceneLabel, float) override {}
    void wait(double) override {
        canvas_.flush();
        surface_.takeTouched();
    }

private:
    ScreenCanvas& canvas_;
    ScreenSurface& surface_;
};

} // namespace lumorix
