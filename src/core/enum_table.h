#pragma once

#include <array>
#include <cstddef>

namespace lumorix {

// The number of values of an enum that counts up from 0 and ends with the enumerator count, which
// is not a value of its own.
template <typename Enum>
inline constexpr std::size_t enumCount = static_cast<std::size_t>(Enum::count);

// A table with one entry for each value of such an enum. Every entry names the value it stands
// for, and making the table checks, at compile time, that there is an entry for every value and
// that the entries stand in the enum's order: a table cannot drift out of step with its enum
// unnoticed, and a lookup by value is an index.
template <typename Enum, typename Value> class EnumTable {
    static constexpr std::size_t size = enumCount<Enum>;

public:
    struct Entry {
        Enum key;
        Value value;
    };

    // A missing entry leaves a default one, for the enum's first value, at the end of the entries.
    // The throw, in a constant expression, stops the build.
    consteval EnumTable(const Entry (&entries)[size]) { // NOLINT: meant to convert
        for (std::size_t i = 0; i < size; ++i) {
            if (static_cast<std::size_t>(entries[i].key) != i)
                throw "an entry missing or out of the enum's order";
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
