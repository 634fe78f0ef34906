#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace journal {

// A calendar day of the Gregorian calendar, years 1 to 9999. Only days that exist can be made.
class Date
{
public:
    Date() = default; // 01.01.0001

    static std::optional<Date> of(int year, int month, int day);
    // "ДД.ММ.ГГГГ" (day and month of one or two digits) or "ГГГГ-ММ-ДД", blanks around
    // allowed; the reason ("«31.02.2024» — такой даты нет") when the text is no such day.
    static std::variant<Date, std::string> read(std::string_view text);
    static std::optional<Date> parse(std::string_view text);
    // The number yyyymmdd, as the register keeps a date (it orders as the dates do).
    static std::optional<Date> fromKey(long long key);
    // The day this program is run on, by the local clock.
    static Date today();

    int year() const { return m_year; }
    int month() const { return m_month; }
    int day() const { return m_day; }
    int key() const { return m_year * 10000 + m_month * 100 + m_day; }

    std::string russian() const; // "05.01.2024"
    std::string iso() const;     // "2024-01-05"

    auto operator<=>(const Date &) const = default;

private:
    Date(int year, int month, int day)
        : m_year(year)
        , m_month(month)
        , m_day(day)
    {
    }

    int m_year = 1;
    int m_month = 1;
    int m_day = 1;
};

} // namespace journal
