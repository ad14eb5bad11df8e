#include <gen/tools/xprintf.h>

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <locale>

using gen::str::xprintF;

namespace {
struct WithToString {
    QString to_string() const { return QStringLiteral("ünïcode"); }
};
struct WithStdToString {
    std::string to_string() const { return "std"; }
};
struct Opaque {};
}  // namespace

TEST(Xprintf, PlaceholdersTakeArgumentsInOrderAndSurplusIsLiteralOrDropped)
{
    EXPECT_EQ(xprintF(0, "a=$ b=$", 1), "a=1 b=$");
    EXPECT_EQ(xprintF(0, "x", 1, 2), "x");
    EXPECT_EQ(xprintF(0, "$$$", 1, 2, 3), "123");
    EXPECT_EQ(xprintF(0, "$-$", 1, 2, 3), "1-2");
    EXPECT_EQ(xprintF(0, "no args $ here"), "no args $ here");
    EXPECT_EQ(xprintF(0, "", 5), "");
}

TEST(Xprintf, IndentAndNullTemplate)
{
    EXPECT_EQ(xprintF(3, "$", true), "   true");
    EXPECT_EQ(xprintF(2, ""), "  ");
    EXPECT_EQ(xprintF(5, nullptr, 1, 2), "");
    EXPECT_EQ(xprintF(0, nullptr), "");
}

TEST(Xprintf, IntegersInDecimalWithSign)
{
    EXPECT_EQ(xprintF(0, "$ $ $", -42, 42u, std::numeric_limits<long long>::min()),
              "-42 42 -9223372036854775808");
    EXPECT_EQ(xprintF(0, "$", std::numeric_limits<unsigned long long>::max()), "18446744073709551615");
    EXPECT_EQ(xprintF(0, "$", static_cast<unsigned short>(65535)), "65535");
    // size_t is unsigned long here; it must print as a number, not a type name.
    EXPECT_EQ(xprintF(0, "$", std::size_t{7}), "7");
    EXPECT_EQ(xprintF(0, "$/$", false, true), "false/true");
}

TEST(Xprintf, FloatHasTwoDecimalsDoubleSix)
{
    EXPECT_EQ(xprintF(0, "$", 0.5f), "0.50");
    EXPECT_EQ(xprintF(0, "$", 1.0f), "1.00");
    EXPECT_EQ(xprintF(0, "$", -2.345f), "-2.35");  // -2.345f is slightly above -2.345 in magnitude
    EXPECT_EQ(xprintF(0, "$", 0.5), "0.500000");
    EXPECT_EQ(xprintF(0, "$", 1.0), "1.000000");
    EXPECT_EQ(xprintF(0, "$", 1e-7), "0.000000");
}

TEST(Xprintf, ExtremeFloatingValuesAreWrittenCompletely)
{
    std::string const huge = xprintF(0, "$", 1e308);
    EXPECT_EQ(huge.size(), 309u + 7u);  // 309 integer digits, point, 6 decimals
    EXPECT_EQ(huge.substr(0, 4), "1000");
    EXPECT_EQ(huge.substr(huge.size() - 7), ".000000");

    std::string const maxDouble = xprintF(0, "[$]", DBL_MAX);
    EXPECT_EQ(maxDouble.front(), '[');
    EXPECT_EQ(maxDouble.back(), ']');
    EXPECT_EQ(maxDouble.size(), 2u + 309u + 7u);

    std::string const maxFloat = xprintF(0, "$", -FLT_MAX);
    EXPECT_EQ(maxFloat.size(), 1u + 39u + 3u);
    EXPECT_EQ(xprintF(0, "$", std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(xprintF(0, "$", -std::numeric_limits<float>::infinity()), "-inf");
    EXPECT_EQ(xprintF(0, "$", std::nan("")), "nan");
}

TEST(Xprintf, NumbersIgnoreTheGlobalLocale)
{
    // A locale with "," as decimal point and grouping must not leak in.
    struct Comma : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
        char do_thousands_sep() const override { return '.'; }
        std::string do_grouping() const override { return "\3"; }
    };
    std::locale const previous = std::locale::global(std::locale(std::locale::classic(), new Comma));
    EXPECT_EQ(xprintF(0, "$ $ $", 1234567, 0.5, 2.25f), "1234567 0.500000 2.25");
    std::locale::global(previous);
}

TEST(Xprintf, TextsAndCharacterArrays)
{
    char const* nullText = nullptr;
    char const* abc = "abc";
    EXPECT_EQ(xprintF(0, "<$>", nullText), "<nullptr>");
    EXPECT_EQ(xprintF(0, "<$>", abc), "<abc>");
    EXPECT_EQ(xprintF(0, "<$>", "literal"), "<literal>");
    char embedded[6] = {'a', '\0', 'b', 'c', '\0', '\0'};
    EXPECT_EQ(xprintF(0, "<$>", embedded), "<abc>");
    EXPECT_EQ(xprintF(0, "<$>", std::string("x\0y", 3)), std::string("<x\0y>", 5));
    EXPECT_EQ(xprintF(0, "$", QStringLiteral("Zürich")), "Z\xC3\xBCrich");
    QString const text = QStringLiteral("abcdef");
    EXPECT_EQ(xprintF(0, "$", QStringView(text).mid(1, 3)), "bcd");
}

TEST(Xprintf, GeometryTypes)
{
    EXPECT_EQ(xprintF(0, "$", QPoint(-3, 4)), "-3,4");
    EXPECT_EQ(xprintF(0, "$", QSize(640, 480)), "640,480");
    EXPECT_EQ(xprintF(0, "$", QPointF(1.5, -2)), "1.500000,-2.000000");
    EXPECT_EQ(xprintF(0, "$", QRect(1, 2, 3, 4)), "1,2,3,4");
    // Width and height count inclusive edges.
    EXPECT_EQ(xprintF(0, "$", QRect(QPoint(10, 10), QPoint(19, 14))), "10,10,10,5");
    EXPECT_EQ(xprintF(0, "$", QRectF(0.5, 1, 2, 3)), "0.500000,1.000000,2.000000,3.000000");
    EXPECT_EQ(xprintF(0, "$", QSizeF(1.5, 2)), "1.500000,2.000000");
    EXPECT_EQ(xprintF(0, "$", glm::vec2(0.25f, -1.f)), "0.25,-1.00");
    EXPECT_EQ(xprintF(0, "$", glm::vec3(1, 2, 3)), "1.00,2.00,3.00");
}

TEST(Xprintf, ToStringMembersPointersAndUnknownTypes)
{
    EXPECT_EQ(xprintF(0, "$", WithToString{}), "\xC3\xBCn\xC3\xAF" "code");
    EXPECT_EQ(xprintF(0, "$", WithStdToString{}), "std");
    WithStdToString value;
    WithStdToString* pointer = &value;
    WithStdToString* nullPointer = nullptr;
    EXPECT_EQ(xprintF(0, "$ $", pointer, nullPointer), "std nullptr");

    std::string const unknown = xprintF(0, "$", Opaque{});
    EXPECT_EQ(unknown.rfind("PP-TYPE?-'", 0), 0u) << unknown;
    EXPECT_EQ(unknown.back(), '\'');
    EXPECT_NE(unknown.find("Opaque"), std::string::npos) << unknown;
}

TEST(Xprintf, VariantUsesItsShortDescription)
{
    std::string const text = xprintF(0, "$", QVariant(5));
    EXPECT_EQ(text, "{int, value:\"5\"}");
}

TEST(Xprintf, ToStringOfIntegers)
{
    EXPECT_EQ(gen::str::to_string(-12), "-12");
    EXPECT_EQ(gen::str::to_string(4000000000u), "4000000000");
    EXPECT_EQ(gen::str::to_string(-9000000000LL), "-9000000000");
}
