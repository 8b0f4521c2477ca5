#pragma once

#include <cstdint>
#include <random>

namespace lumorix {

// The program's one pseudo-random sequence: seeded once with a fixed value, never reseeded, so
// the same runs after a fresh start scatter the same impact dots.
class RandomSequence {
public:
    static constexpr std::uint32_t fixedSeed = 5489;

    RandomSequence()
        : engine_(fixedSeed) {}

    // Uniform in [0, 1).
    float next() { return toUnitInterval(engine_()); }

    // The top 24 of 32 random bits as a fraction: exact in single precision, so 1.0 can never
    // come out (generate_canonical<float> can round up to it).
    static constexpr float toUnitInterval(std::uint32_t bits) {
        return static_cast<float>(bits >> 8) * 0x1p-24f;
    }

private:
    std::mt19937 engine_;
};

} // namespace lumorix
