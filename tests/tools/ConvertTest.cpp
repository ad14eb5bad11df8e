#include <gen/tools/convert.h>

#include "support/Rows.h"

#include <QMetaType>

#include <climits>
#include <cmath>

using namespace gen::convert;

namespace {
// Stands in for the store's plain-data type, which lives in a library above
// this one: it is made known under the store type's meta-type name.
struct FakeStoreValue {
    QString text;
};
struct Opaque {};
}  // namespace

TEST(Convert, TextsOfStringsBytesAndVariantsRoundingTruncationClampingAndCompassDegrees)
{
    qRegisterMetaType<FakeStoreValue>("gen::store::GType");
    // The store registers a QString converter; the description keeps its own form.
    QMetaType::registerConverter<FakeStoreValue, QString>([](FakeStoreValue const& v) { return v.text; });
    std::string const utf8 = "Gr\xC3\xBC\xC3\x9F" "e";  // "Grüße"
    QString const grusse = QString::fromUtf8("Grüße");
    QByteArray const six("\x01\x02\x03\x04\x05\x06", 6);
    EXPECT_EQ(to_qstring(std::string("abc\0def", 7)) + to_qstring(utf8), QStringLiteral("abc") + grusse);
    EXPECT_EQ(to_qstring_basic_info(QVariant(grusse)), QString::fromUtf8("{QString, value:\"Grüße\"}"));
    test::expect_rows<std::string>({
        {to_string(grusse), utf8}, {to_string(six, 4), "[6] = {1, 2, ...,5, 6}"},
        {to_string(six, 6), "[6] = {1, 2, 3, 4, 5, 6}"}, {to_string(six, 3), "[6] = {1, ...,6}"},
        {to_string(QByteArray("\xFF\x80", 2), 0), "[2] = {...,}"},
        {to_string(QByteArray("\xFF\x80\x7F", 3), 8), "[3] = {-1, -128, 127}"},  // bytes are signed
        {to_string_basic_info(QVariant(QByteArray("abc"))), "{QByteArray, size:3}"},
        {to_string_basic_info(QVariant()), "QVariant{valid=false,, null=true,<unknown type>}"},
        {to_string_basic_info(QVariant(QMetaType::fromType<int>())), "{, null=true,int, value:\"0\"}"},
        {to_string_basic_info(QVariant::fromValue(FakeStoreValue{"Camera, vPos:1,2,3"})),
         "{GType:(Camera, vPos:1,2,3)}"},
    });
    std::string const opaque = to_string_basic_info(QVariant::fromValue(Opaque{}));
    EXPECT_TRUE(opaque.find("Opaque") != std::string::npos && opaque.ends_with(", value=<not convertible to QString>}"))
        << opaque;
    test::expect_rows<int>({
        {to_int(2.5), 3}, {to_int(-2.5), -3}, {to_int(2.49), 2}, {to_int(1e20), INT_MAX}, {to_int(-1e20), INT_MIN},
        {to_int(std::nan("")), 0}, {get_compass_degrees(-30), 330}, {get_compass_degrees(720), 0},
        {get_compass_degrees(370), 10}, {get_compass_degrees(-400), 320},
        {get_compass_degrees(INT_MIN), 232},  // 2^31 = 5965232 * 360 + 128
    });
    EXPECT_EQ(to_Vector2(QPoint(-3, 7)), glm::vec2(-3.0f, 7.0f));
    // Truncated towards zero, not rounded and not floored; values without an
    // int counterpart stay defined.
    EXPECT_EQ(to_QPoint(glm::vec2(-1.7f, 2.9f)), QPoint(-1, 2));
    EXPECT_EQ(to_QPoint(glm::vec2(std::nanf(""), 1e10f)), QPoint(0, INT_MAX));
    EXPECT_EQ(to_QPoint(glm::vec2(-1e10f, 0.0f)), QPoint(INT_MIN, 0));
}
