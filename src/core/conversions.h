#pragma once

#include <string>
#include <string_view>

namespace lumorix {

// How the texts of the parameter fields become numbers and back.

// A plain decimal number with '.' as the separator, whatever the user's locale: optional blanks
// around it, an optional sign, digits with an optional fraction ("200", " -0.5 ", ".5").
// Anything else throws FatalError::typeMismatch(); a value beyond double range throws
// FatalError::overflow(), one too small to represent becomes 0.
double textToNumber(std::string_view text);

// Whole numbers as plain digits ("200", "-5", "0"), fractions as their shortest decimal text
// ("0.1"); never an exponent, never a leading blank.
std::string numberToText(double value);

// The nearest single-precision value; throws FatalError::overflow() when the value lies beyond
// single range, where the conversion would be undefined.
float toSingle(double value);

// A field matches a whole number when its text is exactly that number's text: "200" matches 200,
// "200.0" and " 200" do not.
bool matchesWholeNumber(std::string_view text, int number);

} // namespace lumorix
