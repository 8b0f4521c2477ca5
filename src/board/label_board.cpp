#include "label_board.h"

#include <algorithm>
#include <cmath>

namespace lumorix {

namespace {

// Label positions are whole pixels, within the range that widget toolkits take.
constexpr float coordinateLimit = (1 << 24) - 1;

int toCoordinate(float value) {
    return static_cast<int>(std::lround(std::clamp(value, -coordinateLimit, coordinateLimit)));
}

} // namespace

bool intersects(const Box& a, const Box& b) {
    return a.width > 0 && a.height > 0 && b.width > 0 && b.height > 0 &&
           a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

LabelBoard::LabelBoard() {
    reset();
}

void LabelBoard::reset() {
    labels_.clear();
    for (const NamedLabelDesign& fixed : fixedLabelDesigns())
        labels_.push_back({fixed.name, &fixed.design, fixed.design.box, true});
    for (std::size_t i = 0; i < sceneLabelCount; ++i) {
        const auto label = static_cast<SceneLabel>(i);
        const LabelDesign& design = sceneLabelDesign(label);
        labels_.push_back({objectName(label), &design, design.box, false});
    }
    before_.assign(sceneLabelCount, Before{});
}

const LabelBoard::Label& LabelBoard::label(SceneLabel label) const {
    return labels_.at(fixedLabelDesigns().size() + static_cast<std::size_t>(label));
}

LabelBoard::Label& LabelBoard::entry(SceneLabel label) {
    return labels_.at(fixedLabelDesigns().size() + static_cast<std::size_t>(label));
}

void LabelBoard::remember(SceneLabel label) {
    Before& before = before_.at(static_cast<std::size_t>(label));
    if (!before.remembered)
        before = {true, entry(label).visible, entry(label).box};
}

void LabelBoard::show(SceneLabel label) {
    remember(label);
    entry(label).visible = true;
}

void LabelBoard::hide(SceneLabel label) {
    remember(label);
    entry(label).visible = false;
}

void LabelBoard::setLeft(SceneLabel label, float left) {
    remember(label);
    entry(label).box.left = toCoordinate(left);
}

void LabelBoard::setTop(SceneLabel label, float top) {
    remember(label);
    entry(label).box.top = toCoordinate(top);
}

LabelBoard::Repaint LabelBoard::commit() {
    Repaint repaint;
    std::vector<Box> appeared;
    for (std::size_t i = 0; i < sceneLabelCount; ++i) {
        const Before& before = before_[i];
        if (!before.remembered)
            continue;
        const Label& now = label(static_cast<SceneLabel>(i));
        const bool moved = now.box != before.box;
        if (before.visible && (!now.visible || moved))
            repaint.cleared.push_back(before.box);
        if (now.visible && (!before.visible || moved))
            appeared.push_back(now.box);
    }
    repaint.invalid = appeared;
    repaint.invalid.insert(repaint.invalid.end(), repaint.cleared.begin(), repaint.cleared.end());
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const bool meetsChange =
            std::any_of(repaint.invalid.begin(), repaint.invalid.end(),
                        [&](const Box& box) { return intersects(box, labels_[i].box); });
        if (labels_[i].visible && meetsChange)
            repaint.repainted.push_back(i);
    }
    before_.assign(sceneLabelCount, Before{});
    return repaint;
}

} // namespace lumorix
