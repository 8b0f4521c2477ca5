#pragma once

#include "board/input_queue.h"

#include <QAction>
#include <QObject>
#include <functional>
#include <vector>

namespace lumorix {

// Every input to the program's windows while the drawing board is busy (a run lasts, or the
// board is being redrawn), kept in one queue in the order it arrived and handled when the
// board is idle again, as if it had just arrived: the window system's clicks, keys, wheel, touch
// and context-menu requests, the shortcuts they trigger, and the handlers that come by other
// ways (assistive technology, a close request, a timer) — each of those through whenIdle().
// Meanwhile the window goes on answering the window system: it repaints and answers pings.
// The one exception is a command that changes nothing a run or a redraw reads, such as the
// sound: its keys never wait, so that it takes effect at once, also in the middle of a run.
class HeldInput final : public QObject {
public:
    // Watches the whole application, for as long as it lives.
    explicit HeldInput(std::function<bool()> boardBusy, QObject* parent);

    // The action's keys, and the shortcut they trigger, are handled at once even while the board
    // is busy. The action lives as long as the window.
    void neverHold(const QAction* action) { neverHeld_.push_back(action); }

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
    bool isNeverHeld(const QObject* watched, const QEvent* event) const;

    std::function<bool()> boardBusy_;
    InputQueue<std::function<void()>> queue_;
    std::vector<const QAction*> neverHeld_;
};

} // namespace lumorix
