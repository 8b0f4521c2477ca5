#pragma once

#include <string>

namespace lumorix {

// Numbers as Czech texts write them, with a decimal comma.

// With exactly `places` decimals and a hyphen-minus, as Czech spreadsheets read them: "200,0000",
// "-0,7122". A value too large for its decimals to mean anything is written whole.
std::string fixedDecimals(double value, int places);

// Rounded to four significant places at most, without trailing zeros, for reading: "202,2",
// "0,7122", "−103,6" with a true minus sign, "10 000" with a no-break space between thousands from
// five digits on.
std::string fourSignificantPlaces(double value);

} // namespace lumorix
