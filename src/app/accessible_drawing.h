#pragma once

#include "experiment/run_states.h"

#include <QWidget>
#include <string>
#include <string_view>

namespace lumorix {

// The picture on the client area as assistive technology meets it: an image named "Obrazec"
// whose description says what the latest finished run drew, and whether the runs are heard. The
// window has it span the client area beneath every control; it paints nothing, takes no focus and
// lets every click through.
class AccessibleDrawing final : public QWidget {
    Q_OBJECT

public:
    // Belongs to the window.
    explicit AccessibleDrawing(QWidget& window);

    // A run in the display mode that modeText selects, with the states, has just drawn its
    // picture.
    void describeRun(std::string_view modeText, const RunStates& states);
    // The board is clean again.
    void describeEmptyBoard();
    // The runs are heard, or no longer.
    void describeSound(bool on);

private:
    void describe(std::string_view picture);
    void updateDescription();

    std::string picture_;
    bool soundOn_ = false;
};

} // namespace lumorix
