#pragma once

#include "canvas/colour.h"
#include "experiment/parameter_fields.h"
#include "experiment/scene_labels.h"

#include <span>
#include <string_view>

namespace lumorix {

// The window as it was designed, for every front end to build from: the places and sizes of the
// controls in client-area pixels, their names, captions, fonts, keyboard order, and what each
// option writes. Names keep their Czech letters.

// A box in client-area pixels: left and top edge, width and height. Inside a frame, relative to
// the frame's top left corner.
struct Box {
    int left;
    int top;
    int width;
    int height;
    friend bool operator==(const Box&, const Box&) = default;
};

// The design fonts are points at 96 dpi, given here as the pixel sizes they come to, so that the
// layout holds whatever the screen's dpi setting.
struct FontDesign {
    std::string_view family;
    int pixelSize;
    bool bold;
};

struct LabelDesign {
    std::string_view caption;
    Box box;
    FontDesign font;
    bool centred;
};

// The substitute fonts set some captions a pixel or two wider than the design fonts did (the
// title is 362.2 pixels in its 361-pixel box): a label's lines break with this much more room,
// beyond its right edge or, for a centred label, half of it either side.
inline constexpr int labelWrapSlack = 2;

struct NamedLabelDesign {
    std::string_view name;
    LabelDesign design;
};

struct ButtonDesign {
    std::string_view name;
    std::string_view caption;
    Box box;
    int keyboardOrder;
};

struct SliderDesign {
    std::string_view name;
    Box box;
    int minimum;
    int maximum;
    int keyboardOrder;
};

struct OptionDesign {
    std::string_view name;
    std::string_view caption;
    Box boxInFrame;
    int keyboardOrder;
    std::string_view text; // what its click handler writes into the frame's field
};

// A frame's etched border, with its caption on the top edge, as on the classic desktop: the
// border's width and colour, how far below the frame's top it runs, and where along it the
// caption starts, with how much room either side of it.
struct FrameBorderDesign {
    int width;
    Colour colour;
    int top;
    int captionLeft;
    int captionPadding;
};
inline constexpr FrameBorderDesign frameBorder{2, Colour::fromRgb(128, 128, 128), 6, 7, 2};

// A frame of options is one selection group, which writes one parameter field.
struct FrameDesign {
    std::string_view name;
    std::string_view caption;
    Box box;
    FontDesign font;
    bool visible;
    ParameterField field;
    std::span<const OptionDesign> options;
};

// The title bar: the product, then the publisher's web address.
inline constexpr std::string_view titleBarText = "Lumorix - https://lumorix.example.org";
// The client area's size: everything a run draws lies within 800 × 580 pixels.
inline constexpr int clientWidth = 800;
inline constexpr int clientHeight = 600;

// "MS Sans Serif" 8.25 pt, regular: the window's own font, for every control without one, the
// options among them.
inline constexpr FontDesign defaultFont{"MS Sans Serif", 11, false};
inline constexpr FontDesign buttonFont{"Times New Roman", 19, true};

// A font family that the program shows, and the generic family that a front end falls back on
// without it, as CSS names them.
struct FontFamily {
    std::string_view name;
    std::string_view generic;
};
inline constexpr FontFamily sansFamily{"Liberation Sans", "sans-serif"};
inline constexpr FontFamily serifFamily{"Liberation Serif", "serif"};

// The Liberation fonts stand in for the design's Windows fonts: Serif is metric-compatible with
// Times New Roman and Sans with Arial, and Sans is the closest to MS Sans Serif there is.
struct FontSubstitution {
    std::string_view designFamily;
    FontFamily family;
};
std::span<const FontSubstitution> fontSubstitutions();
// The family that stands in for a design family; Sans for one the design does not use.
const FontFamily& substituteFamily(std::string_view designFamily);

// The labels that are there from the start, in painting order: the title, the prompt and the
// one-pixel Label1, which keeps the system colours.
std::span<const NamedLabelDesign> fixedLabelDesigns();
inline constexpr std::string_view systemColouredLabel = "Label1";

// A scene label at its design place, where it stays hidden until a run shows it.
const LabelDesign& sceneLabelDesign(SceneLabel label);

// Start and Konec.
std::span<const ButtonDesign> buttonDesigns();
// HScroll1, the slowdown: whole values, the fastest at the left; it starts at its minimum.
const SliderDesign& sliderDesign();

// The option frames, top of the window down; each frame's options top of the frame down. The last
// frame, "Animace", is hidden and nothing ever shows it.
std::span<const FrameDesign> frameDesigns();

// What a field holds before the handlers first write it.
std::string_view fieldDesignText(ParameterField field);

// Form_Load: the options selected at start-up, in this order, each running its handler; then
// the slowdown field is written directly.
std::span<const std::string_view> startUpSelections();
inline constexpr std::string_view startUpSlowdown = "1";

} // namespace lumorix
