#include "display_list.h"

#include <variant>

namespace lumorix {

namespace {

float packed(Colour colour) {
    return static_cast<float>(colour.packed());
}

float boxValue(int value) {
    return static_cast<float>(value);
}

constexpr DisplayList::Record operationRecords[] = {
    {"line", DisplayList::line, 7, 0},
    {"circle", DisplayList::circle, 7, 0},
    {"fill", DisplayList::fill, 6, 0},
    {"label", DisplayList::label, 6, 0},
    {"clip", DisplayList::clip, 2, 4},
    {"unclip", DisplayList::unclip, 1, 0},
    {"scatteredCircle", DisplayList::scatteredCircle, 7, 0},
};

} // namespace

std::span<const DisplayList::Record> DisplayList::records() {
    return operationRecords;
}

void DisplayList::append(std::span<const float> values) {
    values_.insert(values_.end(), values.begin(), values.end());
}

void DisplayList::push(std::initializer_list<float> values) {
    values_.insert(values_.end(), values);
}

void DisplayList::draw(const CanvasCall& call, const CanvasState& state) {
    const auto width = static_cast<float>(state.drawWidth);
    if (std::holds_alternative<NextRandom>(call)) {
        scattered_ = true;
    } else if (const auto* drawn = std::get_if<DrawLine>(&call)) {
        push({line, drawn->x1, drawn->y1, drawn->x2, drawn->y2,
              packed(drawn->colour.value_or(colours::foreground)), width});
        scattered_ = false;
    } else if (const auto* drawn = std::get_if<DrawCircle>(&call)) {
        const float fillColour =
            state.fillStyle == FillStyle::solid ? packed(state.fillColour) : -1.0F;
        const float operation = scattered_ ? scatteredCircle : circle;
        push({operation, drawn->x, drawn->y, drawn->radius,
              packed(drawn->colour.value_or(colours::foreground)), width, fillColour});
        scattered_ = false;
    }
}

void DisplayList::fillBox(const Box& box, Colour colour) {
    push({fill, boxValue(box.left), boxValue(box.top), boxValue(box.width), boxValue(box.height),
          packed(colour)});
}

void DisplayList::paintLabel(std::size_t index, const LabelBoard::Label& label) {
    push({DisplayList::label, static_cast<float>(index), boxValue(label.box.left),
          boxValue(label.box.top), boxValue(label.box.width), boxValue(label.box.height)});
}

void DisplayList::paintBoard(const LabelBoard& board) {
    fillBox({0, 0, clientWidth, clientHeight}, colours::background);
    const auto labels = board.labels();
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (labels[i].visible)
            paintLabel(i, labels[i]);
    }
}

void DisplayList::paintLabelChanges(const LabelBoard& board, const LabelBoard::Repaint& repaint) {
    if (repaint.invalid.empty())
        return;
    push({clip, static_cast<float>(repaint.invalid.size())});
    for (const Box& box : repaint.invalid)
        push({boxValue(box.left), boxValue(box.top), boxValue(box.width), boxValue(box.height)});
    for (const Box& box : repaint.cleared)
        fillBox(box, colours::background);
    for (const std::size_t i : repaint.repainted)
        paintLabel(i, board.labels()[i]);
    push({unclip});
}

} // namespace lumorix
