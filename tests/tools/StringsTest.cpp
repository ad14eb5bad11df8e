#include <gen/tools/strings.h>

#include <gtest/gtest.h>

#include <climits>
#include <clocale>

using namespace gen::str;

TEST(Strings, ThousandsGrouping)
{
    EXPECT_EQ(format_1000(0), "0");
    EXPECT_EQ(format_1000(999), "999");
    EXPECT_EQ(format_1000(1000), "1.000");
    EXPECT_EQ(format_1000(1234567), "1.234.567");
    EXPECT_EQ(format_1000(-999), "-999");
    EXPECT_EQ(format_1000(-1234), "-1.234");
    EXPECT_EQ(format_1000(LLONG_MIN), "-9.223.372.036.854.775.808");
    EXPECT_EQ(format_str_1000("1234"), "1.234");
    EXPECT_EQ(format_str_1000("123456"), "123.456");
    EXPECT_EQ(format_str_1000(""), "");
}

TEST(Strings, CaseContainsTrimTabs)
{
    // Byte-wise: multi-byte UTF-8 letters pass unchanged.
    EXPECT_EQ(to_lower("AbC-\xC3\x84"), "abc-\xC3\x84");
    EXPECT_EQ(to_lower("MiXeD 123"), "mixed 123");
    EXPECT_TRUE(contains("hello", "ell"));
    EXPECT_TRUE(contains("hello", ""));
    EXPECT_FALSE(contains("hello", "elo"));
    EXPECT_TRUE(contains("hello", 'o'));
    EXPECT_FALSE(contains("", 'o'));
    EXPECT_EQ(trim("\t a b \n"), "a b");
    EXPECT_EQ(trim(" \t\r\n "), "");
    EXPECT_EQ(trim("x"), "x");
    EXPECT_EQ(replace_tab("a\tb\t"), "a    b    ");
}

TEST(Strings, SplitLines)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(split_lines("a\r\nb"), (V{"a", "b"}));
    EXPECT_EQ(split_lines("a\n\nb"), (V{"a", "", "b"}));
    EXPECT_EQ(split_lines("a\n"), (V{"a"}));
    EXPECT_EQ(split_lines(""), V{});
    EXPECT_EQ(split_lines("\n"), (V{""}));
    EXPECT_EQ(split_lines("a\r\r\nb\r"), (V{"a\r", "b\r"}));
    EXPECT_EQ(split_lines("a\nb\nc", 2), (V{"a", "b"}));
    EXPECT_EQ(split_lines("a\nb\nc", 0), V{});
}

TEST(Strings, FormatRealIsIndependentOfTheCLocale)
{
    EXPECT_EQ(format_real(3.14159, 2, true), "3.14");
    EXPECT_EQ(format_real(2.5, 0, true), " 2");  // printf rounds half to even; width 2
    EXPECT_EQ(format_real(-1.0, 3, false), "-1.000");
    char const* german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    if (german != nullptr) {
        EXPECT_EQ(format_real(3.14159, 2, true), "3.14");
        EXPECT_EQ(format_real(3.14159, 2, false), "3,14");
        std::setlocale(LC_NUMERIC, "C");
    }
}
