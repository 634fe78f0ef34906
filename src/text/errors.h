#pragma once

#include <stdexcept>
#include <string>

namespace text {

// What went wrong when a step divided by zero, took the logarithm of a non-positive number or
// left the range of a double.
enum class ArithmeticFault { DivisionByZero, InvalidOperation, Overflow };

// "Ошибка вычисления: деление на ноль." and its two siblings.
std::string arithmeticMessage(ArithmeticFault fault);

// "<text>" не является правильным числом.
std::string conversionMessage(const std::string &text);

// Thrown by a step whose result would not be a finite number.
class ArithmeticError : public std::runtime_error
{
public:
    explicit ArithmeticError(ArithmeticFault fault);
    ArithmeticFault fault() const { return m_fault; }

private:
    ArithmeticFault m_fault;
};

// Thrown when an edit's text is not a number.
class ConversionError : public std::runtime_error
{
public:
    explicit ConversionError(std::string text);
    const std::string &text() const { return m_text; }

private:
    std::string m_text;
};

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

    static Failure fromConversion(const ConversionError &error);
    static Failure fromArithmetic(const ArithmeticError &error);
};

} // namespace text
