// The field conversions over arbitrary texts. A text either converts to a finite number or fails
// with a fatal error: the type mismatch when it is not a plain decimal, the overflow when it is one
// beyond double range. A converted number is the one the C locale's strtod reads, and written back
// as a field text it reads back to itself. The fuzzer runs in a Czech locale, whose decimal
// separator is a comma, so any locale that leaks into the conversions shows.
//
// The input is the text; its first eight bytes, read as a double, also go through number to text
// and back.

#include "core/conversions.h"
#include "core/fatal_error.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <locale>
#include <stdexcept>
#include <stdlib.h>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void failed(const char* property, std::string_view text) {
    std::fprintf(stderr, "%s: \"%.*s\"\n", property, static_cast<int>(text.size()), text.data());
    std::abort();
}

void require(bool holds, const char* property, std::string_view text) {
    if (!holds)
        failed(property, text);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view withoutBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// An optional sign, then digits with at most one '.', at least one digit.
bool isPlainDecimal(std::string_view text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        text.remove_prefix(1);
    bool point = false;
    bool digit = false;
    for (const char c : text) {
        if (isDigit(c))
            digit = true;
        else if (c == '.' && !point)
            point = true;
        else
            return false;
    }
    return digit;
}

// The reference reading of a plain decimal: strtod in the C locale, whatever the global one is.
double referenceNumber(std::string_view plainDecimal) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    const std::string text(plainDecimal);
    char* end = nullptr;
    const double number = strtod_l(text.c_str(), &end, cLocale);
    require(end == text.c_str() + text.size(), "strtod stops early on a plain decimal", text);
    return number;
}

// Rule 2's form: a plain decimal without blanks or exponent, and no '.' in a whole number.
void requireFieldTextOf(double number, const std::string& text) {
    require(isPlainDecimal(text) && text.front() != '+', "number to text is no plain decimal",
            text);
    const bool whole = std::trunc(number) == number;
    require(!whole || text.find('.') == std::string::npos, "a whole number written with a point",
            text);
    double readBack = 0;
    try {
        readBack = lumorix::textToNumber(text);
    } catch (const lumorix::FatalError&) {
        failed("a written number does not read back", text);
    }
    require(readBack == number, "a written number reads back as another", text);
}

void checkTextToNumber(std::string_view text) {
    const std::string_view trimmed = withoutBlanks(text);
    double number = 0;
    try {
        number = lumorix::textToNumber(text);
    } catch (const lumorix::FatalError& error) {
        if (error.number() == lumorix::FatalError::typeMismatch().number()) {
            require(!isPlainDecimal(trimmed), "a plain decimal is a type mismatch", text);
        } else {
            require(error.number() == lumorix::FatalError::overflow().number(),
                    "a text fails with neither type mismatch nor overflow", text);
            require(isPlainDecimal(trimmed) && std::isinf(referenceNumber(trimmed)),
                    "an overflow for a number within double range", text);
        }
        return;
    }
    require(isPlainDecimal(trimmed), "a text that is no plain decimal converts", text);
    require(std::isfinite(number), "a text converts to a number that is not finite", text);
    const double reference = referenceNumber(trimmed);
    // A number too small for a double may read as 0 or as the nearest subnormal.
    const bool underflow = std::fabs(reference) < 0x1p-1022 && number == 0;
    require(number == reference || underflow, "a text converts to another number", text);
    requireFieldTextOf(number, lumorix::numberToText(number));
}

void checkNumberToText(const std::uint8_t* data, std::size_t size) {
    double number = 0;
    if (size < sizeof number)
        return;
    std::memcpy(&number, data, sizeof number);
    if (std::isfinite(number))
        requireFieldTextOf(number, lumorix::numberToText(number));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    try {
        std::locale::global(std::locale("cs_CZ.UTF-8"));
    } catch (const std::runtime_error&) {
        std::fputs("the locale cs_CZ.UTF-8 is missing (tools/install-dependencies makes it)\n",
                   stderr);
        std::exit(1);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkTextToNumber(std::string_view(reinterpret_cast<const char*>(data), size));
    checkNumberToText(data, size);
    return 0;
}
