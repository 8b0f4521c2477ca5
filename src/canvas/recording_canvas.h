#pragma once

#include "canvas.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace lumorix {

// The recorded calls of one kind, in the order they were made.
template <typename Call, typename Recorded>
std::vector<Call> callsOf(const std::vector<Recorded>& calls) {
    std::vector<Call> found;
    for (const Recorded& call : calls) {
        if (const Call* wanted = std::get_if<Call>(&call))
            found.push_back(*wanted);
    }
    return found;
}

// The index-th recorded call, which must be a Call.
template <typename Call, typename Recorded>
const Call& callAt(const std::vector<Recorded>& calls, std::size_t index) {
    const Call* call = std::get_if<Call>(&calls.at(index));
    if (!call)
        throw std::logic_error("call " + std::to_string(index) + " is " + toText(calls[index]));
    return *call;
}

// An off-screen canvas that lists the calls it receives, in order, instead of drawing them.
class RecordingCanvas final : public Canvas {
public:
    using Canvas::Canvas;

    const std::vector<CanvasCall>& calls() const { return calls_; }
    // Forgets the calls so far; the canvas state stays.
    void clearCalls() { calls_.clear(); }

    template <typename Call> std::size_t count() const { return callsOf<Call>().size(); }
    template <typename Call> std::vector<Call> callsOf() const {
        return lumorix::callsOf<Call>(calls_);
    }
    template <typename Call> const Call& callAt(std::size_t index) const {
        return lumorix::callAt<Call>(calls_, index);
    }

private:
    void received(const CanvasCall& call) override { calls_.push_back(call); }

    std::vector<CanvasCall> calls_;
};

} // namespace lumorix
