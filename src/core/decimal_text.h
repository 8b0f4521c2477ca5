#pragma once

#include <string>

namespace lumorix {

// The shortest plain decimal text, never with an exponent, that reads back to the same value:
// "425.46368", "0.1", "600000", "-0". Of the texts of that length, the one nearest the value, so
// a whole number beyond its significant digits is written exactly: 1e30 as
// "1000000000000000019884624838656". Infinities and NaN come out as "inf", "-inf" and "nan".
std::string shortestText(double value);
std::string shortestText(float value);

} // namespace lumorix
