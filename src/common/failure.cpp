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

std::string integerConversionMessage(const std::string &text)
{
    return "\"" + text + "\" не является правильным целым числом.";
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
    : ConversionError(text, conversionMessage(text))
{
}

ConversionError::ConversionError(std::string text, const std::string &message)
    : StepError(Failure::Kind::Conversion, message)
    , m_text(std::move(text))
{
}

ConversionError ConversionError::ofInteger(std::string text)
{
    const std::string message = integerConversionMessage(text);
    return ConversionError(std::move(text), message);
}

} // namespace common
