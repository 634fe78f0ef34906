#include "common/arithmetic.h"

#include "common/failure.h"

#include <cmath>

namespace common {

double checked(double value)
{
    if (std::isnan(value))
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    if (std::isinf(value))
        throw ArithmeticError(ArithmeticFault::Overflow);
    return value;
}

double divide(double a, double b)
{
    if (b == 0.0) {
        throw ArithmeticError(a == 0.0 || std::isnan(a) ? ArithmeticFault::InvalidOperation
                                                        : ArithmeticFault::DivisionByZero);
    }
    return checked(a / b);
}

double ln(double x)
{
    if (!(x > 0.0))
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    return checked(std::log(x));
}

double lg(double x)
{
    if (!(x > 0.0))
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    return checked(std::log10(x));
}

double exponent(double x)
{
    return checked(std::exp(checked(x)));
}

} // namespace common
