#include "czech_numbers.h"

#include "core/decimal_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace lumorix {

namespace {

// The magnitude's whole units of 10^-places, as digits with the comma placed among them.
std::string commaDigits(std::uint64_t units, int places) {
    std::string digits = std::to_string(units);
    const auto decimals = static_cast<std::size_t>(places);
    if (digits.size() <= decimals)
        digits.insert(0, decimals + 1 - digits.size(), '0');
    if (decimals > 0)
        digits.insert(digits.size() - decimals, 1, ',');
    return digits;
}

// Rounded to whole units of 10^-places, or none beyond what 64 bits count.
bool roundedUnits(double magnitude, int places, std::uint64_t& units) {
    const double scaled = std::round(magnitude * std::pow(10.0, places));
    if (!(scaled < 0x1p64))
        return false;
    units = static_cast<std::uint64_t>(scaled);
    return true;
}

std::string wholeText(double magnitude) {
    return shortestText(std::round(magnitude));
}

} // namespace

std::string fixedDecimals(double value, int places) {
    std::uint64_t units = 0;
    if (!roundedUnits(std::fabs(value), places, units))
        return shortestText(std::round(value));
    return (value < 0 && units > 0 ? "-" : "") + commaDigits(units, places);
}

std::string fourSignificantPlaces(double value) {
    constexpr int places = 4;
    const double magnitude = std::fabs(value);
    const int wholeDigits =
        magnitude > 0 ? static_cast<int>(std::floor(std::log10(magnitude))) + 1 : 1;
    const int decimals = std::clamp(places - wholeDigits, 0, 17);
    std::uint64_t units = 0;
    std::string text = roundedUnits(magnitude, decimals, units) ? commaDigits(units, decimals)
                                                                : wholeText(magnitude);
    if (text.find(',') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == ',')
            text.pop_back();
    }
    const std::size_t whole = std::min(text.find(','), text.size());
    if (whole >= 5) {
        for (std::size_t at = whole - 3; at > 0; at -= std::min<std::size_t>(at, 3))
            text.insert(at, "\u00A0");
    }
    return (value < 0 && text != "0" ? "\u2212" : "") + text;
}

} // namespace lumorix
