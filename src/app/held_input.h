#pragma once

#include "board/input_queue.h"

#include <QObject>
#include <functional>

namespace lumorix {

// Every input to the program's windows while the drawing board is busy (a run lasts, or the
// board is being drawn afresh), kept in one queue in the order it arrived and handled when the
// board is idle again, as if it had just arrived: the window system's clicks, keys, wheel, touch
// and context-menu requests, the shortcuts they trigger, and the handlers that come by other
// ways (assistive technology, a close request, a timer) — each of those through whenIdle().
// Meanwhile the window goes on answering the window system: it repaints and answers pings.
class HeldInput final : public QObject {
public:
    // Watches the whole application, for as long as it lives.
    explicit HeldInput(std::function<bool()> boardBusy, QObject* parent);

    // A handler's work, done at once when the board is idle and nothing waits, else after.
    void whenIdle(std::function<void()> work);
    // The board has become idle: what waits is handled in turn, from the event loop, until one
    // of them makes it busy again.
    void boardIdle();
    // Whether input that arrives now must wait.
    bool mustWait() const { return queue_.mustWait(boardBusy_()); }
    // The program ends: nothing that waits is handled.
    void drop() { queue_.drop(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void handleWaiting();

    std::function<bool()> boardBusy_;
    InputQueue<std::function<void()>> queue_;
};

} // namespace lumorix
