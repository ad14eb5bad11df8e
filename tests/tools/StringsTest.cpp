#include <gen/tools/format.h>
#include <gen/tools/strings.h>

#include "support/Rows.h"

#include <cfloat>
#include <climits>
#include <clocale>

using namespace gen::str;

TEST(Strings, PaddingGroupingBytesHexDumpsCaseTrimLinesPartsAndRealsInAnyCLocale)
{
    unsigned char const ten[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    std::vector<unsigned char> const big(1234, 0xAB);
    test::expect_rows<std::string>({
        {sprintF("%d-%s", 7, "x"), "7-x"}, {sprintF(nullptr), "<<<sprintF,nullpointer>>>"},
        {format_fill_zero(3, LLONG_MIN), "-9223372036854775808"}, {format_fill_zero_microseconds(123), "000123"},
        {format_fill_zero_milliseconds(7), "007"}, {format_fill('*', 5, 42), "***42"}, {format_1000(999), "999"},
        {format_fill('0', 4, -5), "00-5"}, {format_fill(' ', 2, 12345), "12345"}, {format_1000(-1234567), "-1.234.567"},
        {format_1000(LLONG_MIN), "-9.223.372.036.854.775.808"}, {format_str_1000(""), ""},
        // Units switch strictly above 1000 (1024) of the smaller one.
        {format_bytes(0), "0.00 KB"}, {format_bytes(1e6), "1000.00 KB"}, {format_bytes(1e9 + 1e7), "1.01 GB"},
        {format_bytes(2.5e12), "2.50 TB"}, {format_bytes_1024(1048576), "1024.00 KB"},
        {format_bytes_1024(1048577), "1.00 MB"}, {format_bytes_1024(2.0 * 1099511627776.0), "2.00 TB"},
        {format_array_as_hex(ten, 10, 2, 2), "[10] = {01 02  .. 09 0A}"},
        {format_array_as_hex(ten, 4, 0, 1), "[4] = { .. 04}"}, {format_array_as_hex(nullptr, 0, 3, 3), "[0] = {}"},
        {format_array_as_hex(big.data(), 1234, 1, 1), "[1.234] = {AB  .. AB}"},
        {format_array_as_hex(ten, 2, 1000, 1000), "[2] = {01 02}"},  // never reads past the data
        // The buffer holds 4095 characters: longer formats give nothing, longer results are cut.
        {sprintF(std::string(4096, 'a').c_str()), ""},
        {sprintF(std::string(4095, 'b').c_str()), std::string(4095, 'b')},
        {std::to_string(sprintF("%5000d", 1).size()), "4095"}, {std::to_string(sprintF("%f", DBL_MAX).size()), "316"},
        {trim("\t a b \n"), "a b"}, {trim(" \t\r\n "), ""}, {to_utf8(QStringLiteral("é")), "\xC3\xA9"},
        {to_lower("MiXeD-\xC3\x84 1"), "mixed-\xC3\x84 1"},  // byte-wise: UTF-8 letters pass unchanged
        {replace_tab("a\tb\t"), "a    b    "},
    });
    using V = std::vector<std::string>;
    test::expect_rows<V>({
        {split_lines("a\r\n\nb"), {"a", "", "b"}}, {split_lines("a\n"), {"a"}}, {split_lines(""), {}},
        {split_lines("a\r\r\nb\r"), {"a\r", "b\r"}}, {split_lines("a\nb\nc", 2), {"a", "b"}},
    });
    EXPECT_TRUE(contains("hello", "ell") && contains("hello", 'o'));
    EXPECT_FALSE(contains("hello", "elo") || contains("", 'o'));
    std::string text = "abcabc";
    EXPECT_TRUE(remove_part(text, "bc") && !remove_part(text, "zz") && text == "aabc") << text;
    std::stringstream out;
    out << "a, b, ";
    remove_last_chars(out, 2);
    out << "!";
    remove_last_chars(out, 99);  // more than there is: no change
    EXPECT_TRUE(out.str() == "a, b!" && count_chars(out) == 5u) << out.str();
    EXPECT_EQ(format_real(2.5, 0, true), " 2");  // printf rounds half to even; width 2
    bool const german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    EXPECT_EQ(format_real(3.14159, 2, true), "3.14");
    if (german) {
        EXPECT_EQ(format_real(-1.0, 3, false), "-1,000");
        std::setlocale(LC_NUMERIC, "C");
    }
}
