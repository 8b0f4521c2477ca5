#pragma once

#include "board/label_board.h"
#include "canvas/canvas.h"

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace lumorix {

// What the page paints on its drawing board, as a flat list of numbers that the page's script
// reads straight out of the module's memory: one operation code, then its operands. Coordinates
// are logical pixels of the client area; the page scales them to the screen's pixels when it
// paints, so the same list paints crisply at any size. Colours are packed as the canvas takes
// them; every operand is exact in single precision.
class DisplayList {
public:
    enum Operation {
        line = 0,   // x1 y1 x2 y2 colour width
        circle = 1, // x y radius colour width fill, where fill is -1 for none
        fill = 2,   // left top width height colour
        label = 3,  // index left top width height: a label of the board, in its painting order
        clip = 4,   // count, then count boxes: the painting that follows stays within them
        unclip = 5, // the end of the clip
        // A circle at a place drawn from the random sequence (an impact), as circle.
        scatteredCircle = 6,
    };
    // How the page reads each operation: its name, its code, and how many values its record
    // takes, the code included, and how many more for each box it lists.
    struct Record {
        std::string_view name;
        Operation code;
        int length;
        int perBox;
    };
    static std::span<const Record> records();

    std::span<const float> values() const { return values_; }
    std::size_t size() const { return values_.size(); }
    // Keeps the memory, to be filled again.
    void clear() {
        values_.clear();
        scattered_ = false;
    }
    // The part of another list, appended.
    void append(std::span<const float> values);

    // A canvas call drawn with the pen and fill state it was made in; calls that only change
    // the state, or draw a random number, paint nothing. A circle after a random number is a
    // scattered one.
    void draw(const CanvasCall& call, const CanvasState& state);

    // The background and every showing label, as on a clean board.
    void paintBoard(const LabelBoard& board);
    // What the labels changed since the last commit: the boxes they left cleared to the
    // background, and the labels that meet the changed boxes painted again, within those boxes.
    void paintLabelChanges(const LabelBoard& board, const LabelBoard::Repaint& repaint);

private:
    void push(std::initializer_list<float> values);
    void paintLabel(std::size_t index, const LabelBoard::Label& label);
    void fillBox(const Box& box, Colour colour);

    std::vector<float> values_;
    bool scattered_ = false; // whether the next shape is placed by a random number
};

} // namespace lumorix
