#pragma once

namespace common {

// Checked arithmetic for the calculations: each function returns a finite result or throws
// ArithmeticError naming the fault, so no inf or nan ever reaches a report.

// a / b. A zero divisor is a division by zero, 0 / 0 an invalid operation.
double divide(double a, double b);

// Natural and decimal logarithm; a non-positive argument is an invalid operation.
double ln(double x);
double lg(double x);

// e^x; a result beyond the range of a double is an overflow.
double exponent(double x);

// The result of an ordinary + - * step: an infinite value is an overflow, a nan an invalid
// operation.
double checked(double value);

} // namespace common
