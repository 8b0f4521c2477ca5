#include "stamp_plan.h"

#include "canvas/stamp_rule.h"
#include "display_list.h"

#include <array>
#include <optional>

namespace lumorix {

namespace {

DisplayList::Operation operationOf(const float* record) {
    return static_cast<DisplayList::Operation>(record[0]);
}

bool isShape(DisplayList::Operation operation) {
    return operation == DisplayList::line || operation == DisplayList::circle ||
           operation == DisplayList::scatteredCircle;
}

// A pen width as the list holds it, or 0 (no stamp) for one that is not whole.
int penWidth(float width) {
    return static_cast<float>(static_cast<int>(width)) == width ? static_cast<int>(width) : 0;
}

std::array<std::int32_t, StampPlan::perShape> entryOf(const float* record, double pixelRatio) {
    constexpr auto antialiased = Smoothing::antialiased;
    std::array<std::int32_t, StampPlan::perShape> entry{};
    entry[0] = StampPlan::canvas;
    const bool line = operationOf(record) == DisplayList::line;
    if (!stampsAt(pixelRatio, antialiased) ||
        !(line ? isStampedLine(record[1], record[2], record[3], record[4], penWidth(record[6]),
                               antialiased)
               : isStampedCircle(record[3], penWidth(record[5]))))
        return entry;
    if (!stampsAtNearestPlace(antialiased, operationOf(record) == DisplayList::scatteredCircle)) {
        entry[0] = StampPlan::exact;
        return entry;
    }
    const std::optional<GridPosition> x = gridPosition(record[1], pixelRatio);
    const std::optional<GridPosition> y = gridPosition(record[2], pixelRatio);
    if (!x || !y)
        return entry;
    const StampPlace xAt = nearestPlace(*x);
    const StampPlace yAt = nearestPlace(*y);
    return {StampPlan::nearestPlace, xAt.pixel, xAt.place, yAt.pixel, yAt.place};
}

} // namespace

void StampPlan::plan(std::span<const float> values, std::size_t from, std::size_t shapes,
                     double pixelRatio) {
    entries_.clear();
    const auto records = DisplayList::records();
    for (std::size_t i = from; i < values.size() && entries_.size() < shapes * perShape;) {
        const float* record = &values[i];
        const auto& layout = records[static_cast<std::size_t>(record[0])];
        i += static_cast<std::size_t>(layout.length) +
             static_cast<std::size_t>(layout.perBox) * static_cast<std::size_t>(record[1]);
        if (!isShape(operationOf(record)))
            continue;
        const auto entry = entryOf(record, pixelRatio);
        entries_.insert(entries_.end(), entry.begin(), entry.end());
    }
}

} // namespace lumorix
