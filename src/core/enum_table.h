#pragma once

#include <array>
#include <cstddef>

namespace lumorix {

// A table with one entry for each value of an enum that counts up from 0. Every entry names the
// value it stands for, and making the table checks that the entries stand in the enum's order, at
// compile time: a table cannot drift out of step with its enum unnoticed,
// and a lookup by value is an index.
template <typename Enum, typename Value, std::size_t size> class EnumTable {
public:
    struct Entry {
        Enum key;
        Value value;
    };

    consteval EnumTable(const Entry (&entries)[size]) { // NOLINT: meant to convert
        for (std::size_t i = 0; i < size; ++i) {
            if (static_cast<std::size_t>(entries[i].key) != i)
                throw "an entry out of the enum's order"; // in a constant expression: no build
            entries_[i] = entries[i];
        }
    }

    constexpr const Value& operator[](Enum key) const {
        return entries_.at(static_cast<std::size_t>(key)).value;
    }
    constexpr auto begin() const { return entries_.begin(); }
    constexpr auto end() const { return entries_.end(); }

private:
    std::array<Entry, size> entries_{};
};

} // namespace lumorix
