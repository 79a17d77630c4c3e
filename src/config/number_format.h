#pragma once
// Numbers as the editor shows them. The decimal separator is a parameter so
// that the model stays locale-free: the window passes the system's separator.

#include <string>
#include <string_view>

namespace krx {

// General format with at most `significantDigits` significant digits:
// trailing zeros and a bare separator are dropped; fixed notation while the
// integer part has no more digits than that and the magnitude is at least
// 0.00001, otherwise scientific ("1,5E10", "1E-6").
std::string FormatGeneral(double value, int significantDigits, char decimalSeparator);

// A fixed number of decimals ("12,5" with 1 decimal).
std::string FormatFixed(double value, int decimals, char decimalSeparator);

}  // namespace krx
