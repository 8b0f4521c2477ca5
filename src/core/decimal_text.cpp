#include "decimal_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <dragonbox/dragonbox.h>
#include <limits>
#include <vector>

namespace lumorix {

namespace {

// A whole number too large for 64 bits, as the exact decimal digits of significand × 2^exponent:
// base-10^9 limbs, least significant first, doubled up exponent times.
std::string exactWholeDigits(double magnitude) {
    int exponent = 0;
    const double fraction = std::frexp(magnitude, &exponent);
    constexpr int significandBits = std::numeric_limits<double>::digits;
    auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, significandBits));
    exponent -= significandBits;

    constexpr std::uint32_t limbBase = 1'000'000'000;
    std::vector<std::uint32_t> limbs;
    for (; significand > 0; significand /= limbBase)
        limbs.push_back(static_cast<std::uint32_t>(significand % limbBase));
    for (; exponent > 0; exponent -= 28) {
        const int shift = std::min(exponent, 28);
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs) {
            const std::uint64_t product = (std::uint64_t{limb} << shift) + carry;
            limb = static_cast<std::uint32_t>(product % limbBase);
            carry = product / limbBase;
        }
        for (; carry > 0; carry /= limbBase)
            limbs.push_back(static_cast<std::uint32_t>(carry % limbBase));
    }

    std::string digits = std::to_string(limbs.back());
    for (auto limb = limbs.rbegin() + 1; limb != limbs.rend(); ++limb) {
        const std::string part = std::to_string(*limb);
        digits.append(9 - part.size(), '0').append(part);
    }
    return digits;
}

std::string wholeDigits(double magnitude) {
    if (magnitude < 0x1p64)
        return std::to_string(static_cast<std::uint64_t>(magnitude));
    return exactWholeDigits(magnitude);
}

// The shortest digits that read back to the value, with the point placed among them: a value
// that is not whole has a negative decimal exponent.
template <typename Number> std::string fractionDigits(Number magnitude) {
    const auto decimal = jkj::dragonbox::to_decimal(magnitude);
    const std::string digits = std::to_string(decimal.significand);
    const int wholeCount = static_cast<int>(digits.size()) + decimal.exponent;
    if (wholeCount > 0)
        return digits.substr(0, wholeCount) + '.' + digits.substr(wholeCount);
    return "0." + std::string(-wholeCount, '0') + digits;
}

template <typename Number> std::string shortest(Number value) {
    std::string text = std::signbit(value) ? "-" : "";
    const Number magnitude = std::fabs(value);
    if (std::isnan(magnitude))
        return text + "nan";
    if (std::isinf(magnitude))
        return text + "inf";
    // A whole number is written with all its digits: as long as any text of its length and the
    // nearest of them, its exact value.
    if (std::trunc(magnitude) == magnitude)
        return text + wholeDigits(magnitude);
    return text + fractionDigits(magnitude);
}

} // namespace

std::string shortestText(double value) {
    return shortest(value);
}

std::string shortestText(float value) {
    return shortest(value);
}

} // namespace lumorix
