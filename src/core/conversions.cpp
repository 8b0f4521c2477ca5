#include "conversions.h"

#include "fatal_error.h"

#include <array>
#include <charconv>
#include <cmath>
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

bool hasWholePart(std::string_view digits) {
    for (const char c : digits) {
        if (c == '.')
            return false;
        if (c != '0')
            return true;
    }
    return false;
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

    double magnitude = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(),
                                              magnitude, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        if (hasWholePart(digits))
            throw FatalError::overflow();
        magnitude = 0.0;
    } else if (error != std::errc{} || end != digits.data() + digits.size()) {
        throw FatalError::typeMismatch();
    }
    return negative ? -magnitude : magnitude;
}

std::string numberToText(double value) {
    if (value == 0.0)
        return "0"; // also for -0, which is not negative
    std::array<char, 512> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
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
