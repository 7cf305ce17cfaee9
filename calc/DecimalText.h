#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zeft {

// Reads a dimension, volume or height as the calculators accept it: blanks around it, an
// optional sign, digits with at most one decimal separator (the window's choice), at
// least one digit, and an optional exponent (E or e, optional sign, digits). Thousands
// separators and anything else make the text unreadable. Independent of the C locale.
std::optional<long double> DecimalFromText(std::string_view text, char decimalSeparator);

// The same, but only numbers greater than 0 count.
std::optional<long double> PositiveDecimalFromText(std::string_view text, char decimalSeparator);

// Nearest whole number, an exact half going to the even neighbour, whatever the FPU's
// rounding mode is set to.
long double RoundHalfEven(long double value);

// A whole number as plain decimal text ("14", "-3"); the value is rounded half to even.
std::string WholeText(long double value);

// Fixed-point text with the given number of decimals ("653.91" for 2).
std::string FixedText(long double value, int decimals, char decimalSeparator);

// A volume as the shape calculator shows it: no decimals, seven significant digits;
// from 10,000,000 upwards in exponent form ("1.234568E7").
std::string VolumeText(long double value, char decimalSeparator);

} // namespace zeft
