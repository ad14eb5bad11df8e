#include <gen/tools/xprintf.h>

#include "support/Rows.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <locale>

using gen::str::xprintF;

namespace {
struct WithToString { QString to_string() const { return QStringLiteral("ünïcode"); } };
struct WithStdToString { std::string to_string() const { return "std"; } };
struct Opaque {};
// A locale with "," as decimal point and grouping, which must not leak in.
struct Comma : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};
}  // namespace

TEST(Xprintf, RendersEachKindOfValueCompletelyAndIgnoresTheGlobalLocale)
{
    std::locale const previous = std::locale::global(std::locale(std::locale::classic(), new Comma));
    char const* nullText = nullptr;
    char embedded[6] = {'a', '\0', 'b', 'c', '\0', '\0'};
    QString const text = QStringLiteral("abcdef");
    WithStdToString value;
    WithStdToString* nullPointer = nullptr;
    test::expect_rows<std::string>({
        // Placeholders take the arguments in order; surplus ones stay literal or are dropped.
        {xprintF(0, "a=$ b=$", 1), "a=1 b=$"}, {xprintF(0, "$-$", 1, 2, 3), "1-2"}, {xprintF(0, "", 5), ""},
        {xprintF(3, "$", true), "   true"}, {xprintF(5, nullptr, 1, 2), ""}, {xprintF(0, nullptr), ""},
        // Integers in decimal; size_t must print as a number, not a type name.
        {xprintF(0, "$ $ $", -42, 1234567u, LLONG_MIN), "-42 1234567 -9223372036854775808"},
        {xprintF(0, "$ $ $", ULLONG_MAX, std::size_t{7}, false), "18446744073709551615 7 false"},
        // float with two decimals, double with six; -2.345f is slightly above -2.345 in magnitude.
        {xprintF(0, "$ $", -2.345f, 0.5), "-2.35 0.500000"}, {xprintF(0, "$", 1e-7), "0.000000"},
        {xprintF(0, "$ $", -HUGE_VALF, std::nan("")), "-inf nan"},
        {xprintF(0, "$", DBL_MAX).substr(0, 4) + xprintF(0, "$", DBL_MAX).substr(309), "1797.000000"},
        {std::to_string(xprintF(0, "$", -FLT_MAX).size()), "43"},  // sign, 39 digits, point, 2 decimals
        {xprintF(0, "<$> <$>", nullText, "literal"), "<nullptr> <literal>"}, {xprintF(0, "<$>", embedded), "<abc>"},
        {xprintF(0, "<$>", std::string("x\0y", 3)), std::string("<x\0y>", 5)},
        {xprintF(0, "$ $", QStringLiteral("Zürich"), QStringView(text).mid(1, 3)), "Z\xC3\xBCrich bcd"},
        // Geometry; a QRect's width and height count inclusive edges.
        {xprintF(0, "$ $ $", QPoint(-3, 4), QSize(640, 480), QRect(QPoint(10, 10), QPoint(19, 14))),
         "-3,4 640,480 10,10,10,5"},
        {xprintF(0, "$ $", QPointF(1.5, -2), QRectF(0.5, 1, 2, 3)),
         "1.500000,-2.000000 0.500000,1.000000,2.000000,3.000000"},
        {xprintF(0, "$ $", glm::vec2(0.25f, -1.f), glm::vec3(1, 2, 3)), "0.25,-1.00 1.00,2.00,3.00"},
        // to_string members, through pointers too, and variants.
        {xprintF(0, "$", WithToString{}), "\xC3\xBCn\xC3\xAF" "code"},
        {xprintF(0, "$ $", &value, nullPointer), "std nullptr"},
        {xprintF(0, "$", QVariant(5)), "{int, value:\"5\"}"},
        {gen::str::to_string(-12) + gen::str::to_string(4000000000u) + gen::str::to_string(-9000000000LL),
         "-124000000000-9000000000"},
    });
    std::locale::global(previous);
    std::string const unknown = xprintF(0, "$", Opaque{});
    EXPECT_TRUE(unknown.starts_with("PP-TYPE?-'") && unknown.ends_with('\'')) << unknown;
    EXPECT_NE(unknown.find("Opaque"), std::string::npos) << unknown;
}
