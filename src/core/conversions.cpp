#include "conversions.h"

#include "decimal_text.h"
#include "fatal_error.h"

#include <cmath>
#include <fast_float/fast_float.h>
#include <limits>
#include <system_error>

namespace lumorix {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Digits, optionally with one '.', and at least one digit.
bool isPlainDecimal(std::string_view digits) {
    bool seenPoint = false;
    bool seenDigit = false;
    for (const char c : digits) {
        if (isDigit(c))
            seenDigit = true;
        else if (c == '.' && !seenPoint)
            seenPoint = true;
        else
            return false;
    }
    return seenDigit;
}

} // namespace

double textToNumber(std::string_view text) {
    std::string_view digits = trimmed(text);
    bool negative = false;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (!isPlainDecimal(digits))
        throw FatalError::typeMismatch();

    // Correctly rounded; too large a number reads as infinity, too small a one as 0.
    double magnitude = 0.0;
    const auto [end, error] = fast_float::from_chars(digits.data(), digits.data() + digits.size(),
                                                     magnitude, fast_float::chars_format::fixed);
    if (error != std::errc{} || end != digits.data() + digits.size())
        throw FatalError::typeMismatch();
    if (std::isinf(magnitude))
        throw FatalError::overflow();
    return negative ? -magnitude : magnitude;
}

std::string numberToText(double value) {
    if (value == 0.0)
        return "0"; // also for -0, which is not negative
    return shortestText(value);
}

float toSingle(double value) {
    if (!(std::fabs(value) <= std::numeric_limits<float>::max()))
        throw FatalError::overflow();
    return static_cast<float>(value);
}

bool matchesWholeNumber(std::string_view text, int number) {
    return text == numberToText(number);
}

} // namespace lumorix
