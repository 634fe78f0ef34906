#include "text/cp1251.h"

#include <gtest/gtest.h>

namespace {

std::string encoded(std::string_view utf8)
{
    auto result = text::toCp1251(utf8);
    EXPECT_TRUE(std::holds_alternative<std::string>(result)) << utf8;
    return std::holds_alternative<std::string>(result) ? std::get<std::string>(result) : "";
}

TEST(Cp1251, RoundTripsEveryByte)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const std::string utf8 = text::fromCp1251(all);
    EXPECT_EQ(encoded(utf8), all);
}

TEST(Cp1251, KnownCharacters)
{
    EXPECT_EQ(encoded("Окно №1"), "\xCE\xEA\xED\xEE \xB9"
                                  "1");
    EXPECT_EQ(encoded("Ёё«»—€"), "\xA8\xB8\xAB\xBB\x97\x88");
    EXPECT_EQ(text::fromCp1251("\xC0\xFF\x98"), "Ая\xC2\x98");
    EXPECT_EQ(text::fromCp1251(""), "");
}

TEST(Cp1251, RefusesWhatItCannotHoldAndSaysWhere)
{
    const auto result = text::toCp1251("ab\xD0\x96\xF0\x9F\x98\x80z"); // "abЖ😀z"
    ASSERT_TRUE(std::holds_alternative<text::EncodingError>(result));
    const auto error = std::get<text::EncodingError>(result);
    EXPECT_EQ(error.character, 3u);
    EXPECT_EQ(error.byte, 4u);
    EXPECT_NE(error.message().find("4"), std::string::npos);

    EXPECT_TRUE(std::holds_alternative<text::EncodingError>(text::toCp1251("\xFF")));
}

} // namespace
