#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace text {

// Text to number by the Russian convention: optional blanks around, an optional sign, digits
// with at most one decimal comma (at least one digit in all), an optional exponent E or e with
// an optional sign and at least one digit. A period is not a decimal separator. Anything else,
// and a result that is not finite, gives nothing.
std::optional<double> parseNumber(std::string_view text);

// parseNumber, throwing ConversionError with the text when it gives nothing.
double toNumber(const std::string &text);

// A whole number: optional blanks around, an optional sign and decimal digits, within the
// range of a 32-bit integer; anything else throws ConversionError::ofInteger.
int toInteger(const std::string &text);

// Fixed notation with `decimals` digits after the comma (the reports' F0, F1, F2): the exact
// value rounded to 6 significant digits, then to `decimals` decimals, ties away from zero; a
// minus sign only for a non-zero result; exponent form ("1,23457E+6") when more than six digits
// would stand before the comma. At most 18 decimals (more are taken as 18).
inline constexpr int maxDecimals = 18;
std::string fixed(double value, int decimals);

// General text of a double: up to 15 significant digits, trailing zeros dropped, a decimal
// comma; exponent form for very large or very small values ("1,5E20", "1E-5").
std::string general(double value);

// The nearest integer, a tie going to the even one (0,5 → 0; 1,5 → 2; 20,5 → 20).
double roundHalfEven(double value);

} // namespace text
