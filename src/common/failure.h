#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>

namespace common {

// Why an operation produced nothing. `message` is the text the program would show (or, where
// the program stays silent, a plain description for the command line).
struct Failure
{
    enum class Kind {
        Conversion, // a text did not convert
        Arithmetic, // a step gave no finite number
        Cancelled,  // the user closed a dialog that the operation needed
        Refused,    // the program refused with a message of its own
        Io,         // a file could not be written or read
    };
    Kind kind = Kind::Conversion;
    std::string message;
};

// What went wrong when a step divided by zero, took the logarithm of a non-positive number or
// left the range of a double.
enum class ArithmeticFault { DivisionByZero, InvalidOperation, Overflow };

// "Ошибка вычисления: деление на ноль." and its two siblings.
std::string arithmeticMessage(ArithmeticFault fault);

// "<text>" не является правильным числом.
std::string conversionMessage(const std::string &text);

// "<text>" не является правильным целым числом.
std::string integerConversionMessage(const std::string &text);

// Thrown by a step to end its calculation; carries the failure to report.
class StepError : public std::runtime_error
{
public:
    StepError(Failure::Kind kind, const std::string &message);
    Failure failure() const { return {m_kind, what()}; }

private:
    Failure::Kind m_kind;
};

// Thrown by a step whose result would not be a finite number.
class ArithmeticError : public StepError
{
public:
    explicit ArithmeticError(ArithmeticFault fault);
    ArithmeticFault fault() const { return m_fault; }

private:
    ArithmeticFault m_fault;
};

// Thrown when an edit's text is not a number (or not the whole number it must be).
class ConversionError : public StepError
{
public:
    explicit ConversionError(std::string text);
    static ConversionError ofInteger(std::string text);
    const std::string &text() const { return m_text; }

private:
    ConversionError(std::string text, const std::string &message);

    std::string m_text;
};

// Runs the steps; the failure of the step that threw, or nothing when all went through.
template<class Steps> std::optional<Failure> failureOf(Steps &&steps)
{
    try {
        std::forward<Steps>(steps)();
    } catch (const StepError &error) {
        return error.failure();
    }
    return std::nullopt;
}

// Runs the steps that make a T; the T, or the failure of the step that threw.
template<class T, class Steps> std::variant<T, Failure> resultOf(Steps &&steps)
{
    try {
        return std::forward<Steps>(steps)();
    } catch (const StepError &error) {
        return error.failure();
    }
}

} // namespace common
