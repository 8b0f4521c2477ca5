#pragma once

#include "design/window_design.h"
#include "experiment/scene_labels.h"

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace lumorix {

// The labels of the window as they are painted into the drawing board, beneath what the runs
// draw: the title, the prompt, Label1 and the scene labels, in painting order, each with its box
// and whether it shows. A run shows, hides and moves scene labels here at once, but the picture
// follows only when the run ends, with commit(), the way a window brings its surface up to date:
// no trace is left at the places a label passes through on the way.
class LabelBoard final : public SceneLabels {
public:
    struct Label {
        std::string_view name;
        const LabelDesign* design; // caption, font and alignment; its box is the design place
        Box box;
        bool visible;
    };

    // As at start-up: the fixed labels showing, the scene labels hidden at their design places.
    LabelBoard();

    void show(SceneLabel label) override;
    void hide(SceneLabel label) override;
    void setLeft(SceneLabel label, float left) override;
    void setTop(SceneLabel label, float top) override;

    std::span<const Label> labels() const { return labels_; }
    const Label& label(SceneLabel label) const;

    // What the picture needs since the last commit, for every front end to paint as it is told:
    // within the boxes to repaint (`invalid`: the boxes that labels left, and those of the labels
    // that appeared or moved), clear the boxes that labels left (hidden, or moved away) to the
    // background, then paint the labels listed in `repainted` (indices into labels(), in
    // painting order): every showing label that meets a box to repaint. The rest of the picture
    // keeps the drawing.
    struct Repaint {
        std::vector<Box> cleared;
        std::vector<Box> invalid;
        std::vector<std::size_t> repainted;
        friend bool operator==(const Repaint&, const Repaint&) = default;
    };
    Repaint commit();

    // Every label back as at start-up, with nothing left to commit: for a redraw.
    void reset();

private:
    struct Before {
        bool remembered = false;
        bool visible = false;
        Box box{};
    };

    Label& entry(SceneLabel label);
    void remember(SceneLabel label);

    std::vector<Label> labels_;
    std::vector<Before> before_; // of the scene labels, indexed by SceneLabel
};

// Whether two boxes share a pixel.
bool intersects(const Box& a, const Box& b);

} // namespace lumorix
