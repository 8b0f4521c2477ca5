#pragma once

#include <QWidget>
#include <string_view>

namespace lumorix {

// The picture on the client area as assistive technology meets it: an image named "Obrazec"
// whose description says what the latest finished run drew. It spans the client area beneath
// every control, paints nothing, takes no focus and lets every click through to the window.
class AccessibleDrawing final : public QWidget {
    Q_OBJECT

public:
    // Belongs to the window.
    explicit AccessibleDrawing(QWidget& window);

    // A run in the display mode that modeText selects has just drawn its picture.
    void describeRun(std::string_view modeText);

protected:
    // Follows the window's size.
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace lumorix
