#include "text/numbers.h"

#include "common/failure.h"

#include <algorithm>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace text {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view withoutBlanksAround(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The decimal digits of a finite non-zero |value| exactly, as d0 d1 d2 ... with the value equal
// to d0.d1d2... × 10^exponent. A double has at most 767 significant decimal digits, so 800
// digits after the point are the exact expansion.
struct ExactDigits
{
    std::string digits;
    int exponent = 0;
};

ExactDigits exactDigits(double magnitude)
{
    constexpr int precision = 800;
    std::vector<char> buffer(precision + 16);
    std::snprintf(buffer.data(), buffer.size(), "%.*e", precision, magnitude);
    ExactDigits result;
    const char *p = buffer.data();
    for (; *p != 'e'; ++p) {
        if (isDigit(*p))
            result.digits.push_back(*p);
    }
    result.exponent = std::atoi(p + 1);
    return result;
}

// A decimal number as an integer mantissa times a power of ten.
struct Decimal
{
    std::int64_t mantissa = 0;
    int exponent = 0; // value = mantissa × 10^exponent
};

// Rounds |value| to six significant digits, a tie going away from zero.
Decimal sixSignificant(double magnitude)
{
    const ExactDigits exact = exactDigits(magnitude);
    std::int64_t mantissa = 0;
    for (int i = 0; i < 6; ++i)
        mantissa = mantissa * 10 + (exact.digits[i] - '0');
    if (exact.digits[6] >= '5')
        ++mantissa;
    Decimal result {mantissa, exact.exponent - 5};
    if (result.mantissa == 1000000) {
        result.mantissa = 100000;
        ++result.exponent;
    }
    return result;
}

std::int64_t powerOfTen(int n)
{
    std::int64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// Drops `count` low digits of the mantissa, a tie going away from zero.
std::int64_t dropDigits(std::int64_t mantissa, int count)
{
    if (count <= 0)
        return mantissa;
    if (count > 18)
        return 0;
    const std::int64_t divisor = powerOfTen(count);
    std::int64_t kept = mantissa / divisor;
    if (mantissa % divisor * 2 >= divisor)
        ++kept;
    return kept;
}

std::string withComma(std::string digits, int decimals)
{
    if (decimals <= 0)
        return digits;
    if (static_cast<int>(digits.size()) <= decimals)
        digits.insert(0, decimals + 1 - digits.size(), '0');
    digits.insert(digits.size() - decimals, 1, ',');
    return digits;
}

std::string trimmedMantissa(std::string digits)
{
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    if (digits.size() > 1)
        digits.insert(1, 1, ',');
    return digits;
}

// The exponent's value, held within ±10⁹ however many digits it has: far beyond any double.
long long saturatedExponent(const std::string &exponent)
{
    constexpr long long limit = 1'000'000'000;
    long long value = 0;
    for (const char c : exponent) {
        if (isDigit(c))
            value = std::min(limit, value * 10 + (c - '0'));
    }
    return !exponent.empty() && exponent.front() == '-' ? -value : value;
}

std::string nonFinite(double value)
{
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

} // namespace

std::optional<double> parseNumber(std::string_view text)
{
    const std::string_view s = withoutBlanksAround(text);

    std::string normal; // the same number in the notation std::from_chars reads
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    std::string whole;
    std::string fraction;
    while (i < s.size() && isDigit(s[i]))
        whole.push_back(s[i++]);
    if (i < s.size() && s[i] == ',') {
        ++i;
        while (i < s.size() && isDigit(s[i]))
            fraction.push_back(s[i++]);
    }
    if (whole.empty() && fraction.empty())
        return std::nullopt;
    std::string exponent;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            exponent.push_back(s[i++]);
        const std::size_t digitsStart = i;
        while (i < s.size() && isDigit(s[i]))
            exponent.push_back(s[i++]);
        if (i == digitsStart)
            return std::nullopt;
    }
    if (i != s.size())
        return std::nullopt;

    normal = (whole.empty() ? "0" : whole) + "." + (fraction.empty() ? "0" : fraction);
    if (!exponent.empty())
        normal += "e" + exponent;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (ptr != normal.data() + normal.size())
        return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        // Too large is not a number; too small is zero.
        const std::string significant = whole + fraction;
        const auto first = significant.find_first_not_of('0');
        if (first == std::string::npos)
            value = 0.0;
        else {
            const long long exp10 = saturatedExponent(exponent)
                                    + static_cast<long long>(whole.size())
                                    - static_cast<long long>(first);
            if (exp10 > 0)
                return std::nullopt;
            value = 0.0;
        }
    } else if (ec != std::errc()) {
        return std::nullopt;
    }
    if (!std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

double toNumber(const std::string &text)
{
    const auto value = parseNumber(text);
    if (!value)
        throw common::ConversionError(text);
    return *value;
}

int toInteger(const std::string &text)
{
    std::string_view digits = withoutBlanksAround(text);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '+' || negative))
        digits.remove_prefix(1);
    const bool allDigits = !digits.empty() && std::all_of(digits.begin(), digits.end(), isDigit);
    long long value = 0;
    for (const char c : digits) {
        if (!allDigits || value > 2147483648LL)
            break;
        value = value * 10 + (c - '0');
    }
    if (negative)
        value = -value;
    if (!allDigits || value > 2147483647LL || value < -2147483648LL)
        throw common::ConversionError::ofInteger(text);
    return static_cast<int>(value);
}

std::string fixed(double value, int decimals)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    decimals = std::clamp(decimals, 0, maxDecimals);
    std::string digits;
    bool negative = std::signbit(value);
    if (value == 0.0) {
        digits = "0";
        negative = false;
    } else {
        const Decimal six = sixSignificant(std::fabs(value));
        if (six.exponent + 5 >= 6) {
            // More than six digits before the comma.
            std::string text = trimmedMantissa(std::to_string(six.mantissa)) + "E+"
                               + std::to_string(six.exponent + 5);
            return negative ? "-" + text : text;
        }
        // The mantissa has -exponent decimals; keep `decimals` of them: drop the rest with
        // rounding, or write the missing ones as zeros.
        if (-six.exponent > decimals) {
            const std::int64_t kept = dropDigits(six.mantissa, -six.exponent - decimals);
            digits = std::to_string(kept);
            if (kept == 0)
                negative = false;
        } else {
            digits = std::to_string(six.mantissa) + std::string(six.exponent + decimals, '0');
        }
    }
    const std::string text = withComma(digits, decimals);
    return negative ? "-" + text : text;
}

std::string general(double value)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    if (value == 0.0)
        return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    std::string digits;
    const char *p = buffer;
    for (; *p != 'e'; ++p) {
        if (isDigit(*p))
            digits.push_back(*p);
    }
    const int exponent = std::atoi(p + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string text;
    if (exponent >= 15 || exponent < -5) {
        text = trimmedMantissa(digits) + "E" + std::to_string(exponent);
    } else if (exponent < 0) {
        text = "0," + std::string(-exponent - 1, '0') + digits;
    } else {
        if (static_cast<int>(digits.size()) <= exponent + 1) {
            text = digits + std::string(exponent + 1 - digits.size(), '0');
        } else {
            text = digits;
            text.insert(exponent + 1, 1, ',');
        }
    }
    return value < 0 ? "-" + text : text;
}

double roundHalfEven(double value)
{
    return std::nearbyint(value);
}

} // namespace text
