#pragma once

#include "canvas.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace lumorix {

// An off-screen canvas that lists the calls it receives, in order, instead of drawing them.
class RecordingCanvas final : public Canvas {
public:
    using Canvas::Canvas;

    const std::vector<CanvasCall>& calls() const { return calls_; }
    // Forgets the calls so far; the canvas state stays.
    void clearCalls() { calls_.clear(); }

    template <typename Call> std::size_t count() const { return callsOf<Call>().size(); }

    template <typename Call> std::vector<Call> callsOf() const {
        std::vector<Call> found;
        for (const CanvasCall& call : calls_) {
            if (const Call* wanted = std::get_if<Call>(&call))
                found.push_back(*wanted);
        }
        return found;
    }

    // The index-th call, which must be a Call.
    template <typename Call> const Call& callAt(std::size_t index) const {
        const Call* call = std::get_if<Call>(&calls_.at(index));
        if (!call)
            throw std::logic_error("call " + std::to_string(index) + " is " +
                                   toText(calls_[index]));
        return *call;
    }

private:
    void received(const CanvasCall& call) override { calls_.push_back(call); }

    std::vector<CanvasCall> calls_;
};

} // namespace lumorix
