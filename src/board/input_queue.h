#pragma once

#include <deque>
#include <optional>
#include <utility>

namespace lumorix {

// Input that arrives while the board is busy (a run lasts, or the board is being redrawn)
// waits here, whatever its kind — an option, the slider, Start, Konec, the close box, a key, a
// command — and is handled once the board is idle again, in the order it arrived. Input that
// arrives while earlier input still waits goes behind it, even if the board is idle by then; and
// when handling one makes the board busy again (a Start), the rest waits for that to end.
template <typename Input> class InputQueue {
public:
    // Whether input that arrives now must wait: the board is busy, or earlier input waits. What
    // arrives while a waiting input is being handled, and the board is idle, is part of it (a
    // menu or a dialog that it opened) and does not wait.
    bool mustWait(bool boardBusy) const { return boardBusy || (!waiting_.empty() && !handling_); }

    // The input to handle at once, or none when it must wait; then it is kept.
    std::optional<Input> arrive(Input input, bool boardBusy) {
        if (!mustWait(boardBusy))
            return input;
        waiting_.push_back(std::move(input));
        return std::nullopt;
    }

    // Handles what waits, in turn, for as long as the board stays idle. Called again while it is
    // handling (a run that one of them started has ended), it leaves the rest to the turn
    // already under way.
    template <typename BoardBusy, typename Handle>
    void handleWaiting(BoardBusy&& boardBusy, Handle&& handle) {
        if (handling_)
            return;
        handling_ = true;
        struct Done {
            bool& handling;
            ~Done() { handling = false; }
        } done{handling_};
        while (!waiting_.empty() && !boardBusy()) {
            Input input = std::move(waiting_.front());
            waiting_.pop_front();
            handle(input);
        }
    }

    bool empty() const { return waiting_.empty(); }
    // The program ends: what waits is never handled.
    void drop() { waiting_.clear(); }

private:
    std::deque<Input> waiting_;
    bool handling_ = false;
};

} // namespace lumorix
