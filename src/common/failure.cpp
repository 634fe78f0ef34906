#include "common/failure.h"

namespace common {

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

StepError::StepError(Failure::Kind kind, const std::string &message)
    : std::runtime_error(message)
    , m_kind(kind)
{
}

ArithmeticError::ArithmeticError(ArithmeticFault fault)
    : StepError(Failure::Kind::Arithmetic, arithmeticMessage(fault))
    , m_fault(fault)
{
}

ConversionError::ConversionError(std::string text)
    : StepError(Failure::Kind::Conversion, conversionMessage(text))
    , m_text(std::move(text))
{
}

} // namespace common
