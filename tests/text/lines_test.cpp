#include "text/lines.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

struct SplitCase
{
    const char *name;
    std::string text;
    Lines lines;
};

class SplitLines : public testing::TestWithParam<SplitCase>
{
};

TEST_P(SplitLines, WholeText)
{
    EXPECT_EQ(text::splitLines(GetParam().text), GetParam().lines);
}

// The same text fed in every split into two pieces gives the same lines: a CR LF torn apart by
// a piece boundary is still one line end.
TEST_P(SplitLines, InPieces)
{
    const std::string &all = GetParam().text;
    for (std::size_t cut = 0; cut <= all.size(); ++cut) {
        text::LineSplitter splitter;
        Lines lines;
        splitter.feed(std::string_view(all).substr(0, cut), lines);
        splitter.feed(std::string_view(all).substr(cut), lines);
        splitter.finish(lines);
        EXPECT_EQ(lines, GetParam().lines) << "cut at " << cut;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Text, SplitLines,
    testing::Values(SplitCase {"Empty", "", {}}, SplitCase {"OneEmptyLine", "\r\n", {""}},
                    SplitCase {"OneEmptyLineBareLf", "\n", {""}},
                    SplitCase {"CrLf", "ab\r\ncd\r\n", {"ab", "cd"}},
                    SplitCase {"BareLf", "ab\ncd\n", {"ab", "cd"}},
                    SplitCase {"Mixed", "ab\ncd\r\n\r\n\nef", {"ab", "cd", "", "", "ef"}},
                    SplitCase {"NoFinalLineEnd", "ab\r\ncd", {"ab", "cd"}},
                    SplitCase {"EmptyLastLine", "ab\r\n\r\n", {"ab", ""}},
                    SplitCase {"BareCrStaysInItsLine", "a\rb\r\nc\r", {"a\rb", "c\r"}},
                    SplitCase {"CrBeforeCrLf", "a\r\r\n", {"a\r"}},
                    SplitCase {"OnlyCr", "\r", {"\r"}},
                    SplitCase {"Windows1251Bytes",
                               "\xCE\xEA\xED\xEE\xA0\x98\t\r\n\xFF",
                               {"\xCE\xEA\xED\xEE\xA0\x98\t", "\xFF"}},
                    SplitCase {"NulByte", std::string("a\0b\n", 4), {std::string("a\0b", 3)}}),
    [](const testing::TestParamInfo<SplitCase> &test) { return test.param.name; });

} // namespace

namespace {

TEST(EncodeLines, EveryLineEndsInCrLf)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, ""},
        {{""}, "\r\n"},
        {{"", ""}, "\r\n\r\n"},
        {{"Окно", "a\tb"}, "\xCE\xEA\xED\xEE\r\na\tb\r\n"},
        {{"\xC2\x98"}, "\x98\r\n"},
    };
    for (const auto &[lines, bytes] : cases) {
        const auto encoded = text::encodeLines(lines);
        ASSERT_TRUE(std::holds_alternative<std::string>(encoded));
        EXPECT_EQ(std::get<std::string>(encoded), bytes);
    }
}

TEST(EncodeLines, NamesTheLineAndTheCharacterItCannotHold)
{
    const auto encoded = text::encodeLines({"первая", "сумма ∑ x", "третья"});
    ASSERT_TRUE(std::holds_alternative<text::LineEncodingError>(encoded));
    const auto error = std::get<text::LineEncodingError>(encoded);
    EXPECT_EQ(error.line, 2u);
    EXPECT_EQ(error.character, "∑");
    EXPECT_EQ(error.message(), "В строке 2 есть знак «∑», которого нет в кодировке Windows-1251.");
}

} // namespace
