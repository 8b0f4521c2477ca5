#pragma once

// Start-up helpers end the process the moment their window's first paint is done (the window and
// every control painted and handed to the window system), before anything that a program leaves
// for later can run, and without tearing the program down: what they measure is the start-up.

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <QWindow>
#include <cstdlib>

class EndAtFirstPaint final : public QObject {
public:
    // Watches the window that `shown` has just been given.
    explicit EndAtFirstPaint(QWidget& shown) { shown.windowHandle()->installEventFilter(this); }

protected:
    bool eventFilter(QObject* window, QEvent* event) override {
        if (event->type() != QEvent::Expose || !static_cast<QWindow*>(window)->isExposed())
            return false;
        window->event(event); // paints the window and its controls
        std::_Exit(EXIT_SUCCESS);
    }
};
