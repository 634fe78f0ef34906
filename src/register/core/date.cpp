#include "register/core/date.h"

#include "register/core/trim.h"

#include <cstdio>
#include <ctime>
#include <vector>

namespace journal {

namespace {

bool isLeap(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysIn(int year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeap(year) ? 29 : days[month - 1];
}

// The runs of digits between the separators, when the text is exactly such runs of the given
// lengths (minimum, maximum) joined by `separator`.
std::optional<std::vector<int>> digitRuns(std::string_view text, char separator,
                                          const std::vector<std::pair<int, int>> &lengths)
{
    std::vector<int> numbers;
    for (std::size_t part = 0; part < lengths.size(); ++part) {
        if (part > 0) {
            if (text.empty() || text.front() != separator)
                return std::nullopt;
            text.remove_prefix(1);
        }
        int value = 0;
        int digits = 0;
        while (!text.empty() && text.front() >= '0' && text.front() <= '9') {
            value = value * 10 + (text.front() - '0');
            text.remove_prefix(1);
            if (++digits > lengths[part].second)
                return std::nullopt;
        }
        if (digits < lengths[part].first)
            return std::nullopt;
        numbers.push_back(value);
    }
    if (!text.empty())
        return std::nullopt;
    return numbers;
}

std::string twoDigits(int value)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

std::string fourDigits(int value)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%04d", value);
    return buffer;
}

} // namespace

std::optional<Date> Date::of(int year, int month, int day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > daysIn(year, month))
        return std::nullopt;
    return Date(year, month, day);
}

std::variant<Date, std::string> Date::read(std::string_view text)
{
    const std::string_view t = trimmed(text);
    const auto quoted = [&] {
        return "«" + std::string(text) + "»";
    };
    std::optional<Date> date;
    if (auto dmy = digitRuns(t, '.', {{1, 2}, {1, 2}, {4, 4}}))
        date = of((*dmy)[2], (*dmy)[1], (*dmy)[0]);
    else if (auto ymd = digitRuns(t, '-', {{4, 4}, {1, 2}, {1, 2}}))
        date = of((*ymd)[0], (*ymd)[1], (*ymd)[2]);
    else
        return quoted() + " — не дата (ДД.ММ.ГГГГ или ГГГГ-ММ-ДД)";
    if (!date)
        return quoted() + " — такой даты нет";
    return *date;
}

std::optional<Date> Date::parse(std::string_view text)
{
    auto result = read(text);
    if (const auto *date = std::get_if<Date>(&result))
        return *date;
    return std::nullopt;
}

std::optional<Date> Date::fromKey(long long key)
{
    if (key < 0 || key > 99991231)
        return std::nullopt;
    return of(static_cast<int>(key / 10000), static_cast<int>(key / 100 % 100),
              static_cast<int>(key % 100));
}

Date Date::today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    return Date(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::string Date::russian() const
{
    return twoDigits(m_day) + "." + twoDigits(m_month) + "." + fourDigits(m_year);
}

std::string Date::iso() const
{
    return fourDigits(m_year) + "-" + twoDigits(m_month) + "-" + twoDigits(m_day);
}

} // namespace journal
