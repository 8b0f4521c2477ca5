#pragma once

#include <cstdint>

namespace lumorix {

// A 24-bit RGB colour, packed the way the drawing surface takes it:
// red + 256 × green + 65536 × blue.
class Colour {
public:
    constexpr Colour() = default;

    static constexpr Colour fromRgb(int red, int green, int blue) {
        return Colour(static_cast<std::uint32_t>(red) | static_cast<std::uint32_t>(green) << 8 |
                      static_cast<std::uint32_t>(blue) << 16);
    }

    constexpr std::uint32_t packed() const { return packed_; }
    constexpr int red() const { return static_cast<int>(packed_ & 0xFF); }
    constexpr int green() const { return static_cast<int>(packed_ >> 8 & 0xFF); }
    constexpr int blue() const { return static_cast<int>(packed_ >> 16 & 0xFF); }

    friend constexpr bool operator==(Colour, Colour) = default;

private:
    explicit constexpr Colour(std::uint32_t packed)
        : packed_(packed) {}

    std::uint32_t packed_ = 0;
};

// The colours of the scene, named by what they paint.
namespace colours {
inline constexpr Colour foreground = Colour::fromRgb(0, 0, 0);
inline constexpr Colour background = Colour::fromRgb(192, 192, 192);
inline constexpr Colour white = Colour::fromRgb(255, 255, 255);
inline constexpr Colour ray = Colour::fromRgb(192, 255, 255);
inline constexpr Colour resultant = Colour::fromRgb(0, 255, 0);
inline constexpr Colour marker = Colour::fromRgb(0, 0, 255);
// The which-path detector at the holes, and the outline of the pattern it lets through.
inline constexpr Colour whichPath = Colour::fromRgb(255, 128, 0);
// The outlines of the patterns of light through hole A alone, through hole B alone, and of no
// light at all.
inline constexpr Colour onlyHoleA = Colour::fromRgb(255, 0, 255);
inline constexpr Colour onlyHoleB = Colour::fromRgb(255, 255, 0);
inline constexpr Colour noLight = Colour::fromRgb(128, 128, 128);
} // namespace colours

} // namespace lumorix
