#include "text/errors.h"

namespace text {

std::string arithmeticMessage(ArithmeticFault fault)
{
    switch (fault) {
    case ArithmeticFault::DivisionByZero:
        return "Ошибка вычисления: деление на ноль.";
    case ArithmeticFault::InvalidOperation:
        return "Ошибка вычисления: недопустимая операция.";
    case ArithmeticFault::Overflow:
        break;
    }
    return "Ошибка вычисления: переполнение.";
}

std::string conversionMessage(const std::string &text)
{
    return "\"" + text + "\" не является правильным числом.";
}

ArithmeticError::ArithmeticError(ArithmeticFault fault)
    : std::runtime_error(arithmeticMessage(fault))
    , m_fault(fault)
{}

ConversionError::ConversionError(std::string text)
    : std::runtime_error(conversionMessage(text))
    , m_text(std::move(text))
{}

Failure Failure::fromConversion(const ConversionError &error)
{
    return {Kind::Conversion, error.what()};
}

Failure Failure::fromArithmetic(const ArithmeticError &error)
{
    return {Kind::Arithmetic, error.what()};
}

} // namespace text
