#pragma once
// Numbers to and from text the way the calibration file holds them.

#include <string>
#include <string_view>

namespace tarvon {

// The leading number of a text, "." as the decimal point; 0 when the text does
// not start with one. Leading blanks are skipped.
double LeadingNumber(std::string_view text);

// Rounds to a 16-bit signed integer, halves to the even neighbour. A value
// outside -32768 ... 32767 (or not a number) throws std::overflow_error.
int RoundToInt16(double value);

// A single-precision number as text: one blank before a non-negative number
// (a minus sign otherwise), at most 7 significant digits, no zero before the
// point. 0.07 gives " .07", 150 gives " 150".
std::string NumberText(float value);

} // namespace tarvon
