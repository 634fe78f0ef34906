#include "register/core/address.h"
#include "register/core/date.h"

#include <gtest/gtest.h>

namespace {

using journal::Date;

struct DateCase
{
    const char *text;
    std::string russian; // empty: refused with `why`
    std::string why;
};

class DateReading : public testing::TestWithParam<DateCase>
{
};

TEST_P(DateReading, TakesRealDaysInBothForms)
{
    const DateCase &c = GetParam();
    const auto read = Date::read(c.text);
    if (c.russian.empty()) {
        ASSERT_TRUE(std::holds_alternative<std::string>(read));
        EXPECT_EQ(std::get<std::string>(read), c.why);
        return;
    }
    ASSERT_TRUE(std::holds_alternative<Date>(read)) << std::get<std::string>(read);
    const Date date = std::get<Date>(read);
    EXPECT_EQ(date.russian(), c.russian);
    EXPECT_EQ(Date::parse(date.iso()), date);
    EXPECT_EQ(Date::fromKey(date.key()), date);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DateReading,
    testing::Values(
        DateCase {"05.01.2024", "05.01.2024", {}}, DateCase {" 5.1.2024 ", "05.01.2024", {}},
        DateCase {"2024-02-29", "29.02.2024", {}}, DateCase {"29.02.2000", "29.02.2000", {}},
        DateCase {"29.02.1900", {}, "«29.02.1900» — такой даты нет"},
        DateCase {"2023-02-29", {}, "«2023-02-29» — такой даты нет"},
        DateCase {"31.04.2024", {}, "«31.04.2024» — такой даты нет"},
        DateCase {"00.01.2024", {}, "«00.01.2024» — такой даты нет"},
        DateCase {"2024/01/05", {}, "«2024/01/05» — не дата (ДД.ММ.ГГГГ или ГГГГ-ММ-ДД)"},
        DateCase {"05.01.24", {}, "«05.01.24» — не дата (ДД.ММ.ГГГГ или ГГГГ-ММ-ДД)"},
        DateCase {
            "05.01.2024 0:00", {}, "«05.01.2024 0:00» — не дата (ДД.ММ.ГГГГ или ГГГГ-ММ-ДД)"}));

struct AddressCase
{
    const char *text;
    journal::DatabaseAddress address;
    bool refused = false;
};

class AddressReading : public testing::TestWithParam<AddressCase>
{
};

TEST_P(AddressReading, FileOrPostgresql)
{
    const AddressCase &c = GetParam();
    const auto read = journal::parseDatabaseAddress(c.text);
    if (c.refused) {
        ASSERT_TRUE(std::holds_alternative<std::string>(read));
        EXPECT_TRUE(std::get<std::string>(read).starts_with(std::string("Адрес базы данных «")
                                                            + c.text + "» не понят: "));
        return;
    }
    ASSERT_TRUE(std::holds_alternative<journal::DatabaseAddress>(read))
        << std::get<std::string>(read);
    EXPECT_EQ(std::get<journal::DatabaseAddress>(read), c.address);
}

using journal::PostgresDatabase;
using journal::SqliteFile;

INSTANTIATE_TEST_SUITE_P(
    Texts, AddressReading,
    testing::Values(
        AddressCase {"", SqliteFile {"loviz-register.sqlite"}},
        AddressCase {"/var/lib/журнал.sqlite", SqliteFile {"/var/lib/журнал.sqlite"}},
        AddressCase {"postgresql://lab@db.plant:5433/register",
                     PostgresDatabase {"lab", "db.plant", 5433, "register"}},
        AddressCase {"postgresql://db/register", PostgresDatabase {"", "db", 0, "register"}},
        AddressCase {"postgresql://[::1]:5432/r", PostgresDatabase {"", "::1", 5432, "r"}},
        AddressCase {"postgresql:///loviz?host=/tmp/my%20sock",
                     PostgresDatabase {"", "/tmp/my sock", 0, "loviz"}},
        AddressCase {"postgresql:///loviz", PostgresDatabase {"", "", 0, "loviz"}},
        AddressCase {"postgresql://db", {}, true}, AddressCase {"postgresql://db:port/r", {}, true},
        AddressCase {"postgresql://lab:secret@db/r", {}, true},
        AddressCase {"postgresql:///r?sslmode=disable", {}, true},
        AddressCase {"postgresql:r", {}, true}));

} // namespace
