#pragma once

#include <QDialog>

namespace lumorix {

// The help, in a window of its own beside the main one: not modal, so the class can watch a run
// while it is open; Esc or "Zavřít" closes it.
class HelpWindow final : public QDialog {
    Q_OBJECT

public:
    // Belongs to the main window, and stays above it.
    explicit HelpWindow(QWidget& window);
};

} // namespace lumorix
