#include <gen/tools/format.h>

#include <gtest/gtest.h>

#include <climits>
#include <cfloat>

using namespace gen::str;

TEST(Sprintf, FormatsAndGuardsItsBuffer)
{
    EXPECT_EQ(sprintF("%d-%s", 7, "x"), "7-x");
    EXPECT_EQ(sprintF(nullptr), "<<<sprintF,nullpointer>>>");

    std::string const longFormat(4096, 'a');
    EXPECT_EQ(sprintF(longFormat.c_str()), "");
    std::string const justBelow(4095, 'b');
    EXPECT_EQ(sprintF(justBelow.c_str()), justBelow);

    // A result longer than the buffer is cut, never written past it.
    std::string const wide = sprintF("%5000d", 1);
    EXPECT_EQ(wide.size(), 4095u);
    std::string const huge = sprintF("%f", DBL_MAX);
    EXPECT_EQ(huge.size(), 309u + 7u);
}

TEST(FormatFill, ZeroAndCharacterPadding)
{
    EXPECT_EQ(format_fill_zero(6, 42), "000042");
    EXPECT_EQ(format_fill_zero(2, 12345), "12345");
    EXPECT_EQ(format_fill_zero(4, -7), "-007");
    EXPECT_EQ(format_fill_zero(0, 5), "5");
    EXPECT_EQ(format_fill_zero(3, LLONG_MIN), "-9223372036854775808");
    EXPECT_EQ(format_fill_zero_microseconds(123), "000123");
    EXPECT_EQ(format_fill_zero_milliseconds(7), "007");
    EXPECT_EQ(format_fill('*', 5, 42), "***42");
    EXPECT_EQ(format_fill(' ', 2, 12345), "12345");
    EXPECT_EQ(format_fill('0', 4, -5), "00-5");
}

TEST(FormatBytes, DecimalUnitsWithStrictLimits)
{
    EXPECT_EQ(format_bytes(1500), "1.50 KB");
    EXPECT_EQ(format_bytes(0), "0.00 KB");
    EXPECT_EQ(format_bytes(1e6), "1000.00 KB");
    EXPECT_EQ(format_bytes(1e9), "1000.00 MB");
    EXPECT_EQ(format_bytes(1e9 + 1e7), "1.01 GB");
    EXPECT_EQ(format_bytes(2.5e12), "2.50 TB");
    // A value far beyond terabytes is still complete and bounded.
    std::string const huge = format_bytes(1e308);
    EXPECT_EQ(huge.substr(huge.size() - 3), " TB");
}

TEST(FormatBytes, BinaryUnits)
{
    EXPECT_EQ(format_bytes_1024(1048576), "1024.00 KB");
    EXPECT_EQ(format_bytes_1024(1048577), "1.00 MB");
    EXPECT_EQ(format_bytes_1024(1536), "1.50 KB");
    EXPECT_EQ(format_bytes_1024(3.0 * 1073741824.0), "3.00 GB");
    EXPECT_EQ(format_bytes_1024(2.0 * 1099511627776.0), "2.00 TB");
}

TEST(FormatArrayAsHex, HeadTailAndGrouping)
{
    unsigned char const ten[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    EXPECT_EQ(format_array_as_hex(ten, 10, 2, 2), "[10] = {01 02  .. 09 0A}");
    EXPECT_EQ(format_array_as_hex(ten, 3, 2, 1), "[3] = {01 02 03}");
    EXPECT_EQ(format_array_as_hex(ten, 4, 0, 1), "[4] = { .. 04}");
    EXPECT_EQ(format_array_as_hex(ten, 0, 0, 0), "[0] = {}");
    EXPECT_EQ(format_array_as_hex(nullptr, 0, 3, 3), "[0] = {}");

    std::vector<unsigned char> big(1234, 0xAB);
    std::string const dump = format_array_as_hex(big.data(), 1234, 1, 1);
    EXPECT_EQ(dump, "[1.234] = {AB  .. AB}");
    // Head and tail larger than the data never read past it.
    EXPECT_EQ(format_array_as_hex(ten, 2, 1000, 1000), "[2] = {01 02}");
}

TEST(RemoveHelpers, PartsAndTrailingCharacters)
{
    std::string text = "abcabc";
    EXPECT_TRUE(remove_part(text, "bc"));
    EXPECT_EQ(text, "aabc");
    EXPECT_FALSE(remove_part(text, "zz"));
    EXPECT_EQ(text, "aabc");
    EXPECT_TRUE(remove_part(text, ""));
    EXPECT_EQ(text, "aabc");

    std::stringstream out;
    out << "a, b, ";
    remove_last_chars(out, 2);
    out << "!";
    EXPECT_EQ(out.str(), "a, b!");
    EXPECT_EQ(count_chars(out), 5u);
    remove_last_chars(out, 99);
    EXPECT_EQ(out.str(), "a, b!");
    remove_last_chars(out, 5);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(to_utf8(QStringLiteral("é")), "\xC3\xA9");
}
