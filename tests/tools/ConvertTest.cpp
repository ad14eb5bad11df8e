#include <gen/tools/convert.h>

#include <QMetaType>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

using namespace gen::convert;

namespace {

// Stands in for the store's plain-data type, which lives in a library above
// this one: it is made known under the store type's meta-type name.
struct FakeStoreValue {
    QString text;
};

struct Opaque {
    int n = 0;
};

QString fake_store_text(FakeStoreValue const& value)
{
    return value.text;
}

}  // namespace

TEST(Convert, StringConversions)
{
    std::string const withNul("abc\0def", 7);
    EXPECT_EQ(to_qstring(withNul), QStringLiteral("abc"));
    EXPECT_EQ(to_qstring(""), QString());
    std::string const utf8 = "Gr\xC3\xBC\xC3\x9F" "e";  // "Grüße"
    EXPECT_EQ(to_qstring(utf8), QString::fromUtf8("Grüße"));
    EXPECT_EQ(to_string(QString::fromUtf8("Grüße")), utf8);
    EXPECT_EQ(to_string(QString()), "");
}

TEST(Convert, ByteArrayText)
{
    QByteArray const six("\x01\x02\x03\x04\x05\x06", 6);
    EXPECT_EQ(to_string(six, 4), "[6] = {1, 2, ...,5, 6}");
    EXPECT_EQ(to_string(six, 6), "[6] = {1, 2, 3, 4, 5, 6}");
    EXPECT_EQ(to_string(six, 3), "[6] = {1, ...,6}");
    EXPECT_EQ(to_string(QByteArray("\x01\x02", 2), 4), "[2] = {1, 2}");
    EXPECT_EQ(to_string(QByteArray("\x01\x02", 2), 0), "[2] = {...,}");
    EXPECT_EQ(to_string(QByteArray(), 4), "[0] = {}");
    // Bytes are signed.
    EXPECT_EQ(to_string(QByteArray("\xFF\x80\x7F", 3), 8), "[3] = {-1, -128, 127}");
}

TEST(Convert, Rounding)
{
    EXPECT_EQ(to_int(2.5), 3);
    EXPECT_EQ(to_int(-2.5), -3);
    EXPECT_EQ(to_int(2.49), 2);
    EXPECT_EQ(to_int(-0.4), 0);
    EXPECT_EQ(to_int(1e20), INT_MAX);
    EXPECT_EQ(to_int(-1e20), INT_MIN);
    EXPECT_EQ(to_int(std::nan("")), 0);

    EXPECT_EQ(get_compass_degrees(-30), 330);
    EXPECT_EQ(get_compass_degrees(720), 0);
    EXPECT_EQ(get_compass_degrees(370), 10);
    EXPECT_EQ(get_compass_degrees(359), 359);
    EXPECT_EQ(get_compass_degrees(-360), 0);
    EXPECT_EQ(get_compass_degrees(-400), 320);
    EXPECT_EQ(get_compass_degrees(INT_MIN), 232);  // 2^31 = 5965232 * 360 + 128
}

TEST(Convert, VariantDescription)
{
    EXPECT_EQ(to_string_basic_info(QVariant(5)), "{int, value:\"5\"}");
    EXPECT_EQ(to_string_basic_info(QVariant(QString::fromUtf8("Grüße"))), "{QString, value:\"Grüße\"}");
    EXPECT_EQ(to_qstring_basic_info(QVariant(QString::fromUtf8("Grüße"))), QString::fromUtf8("{QString, value:\"Grüße\"}"));
    EXPECT_EQ(to_string_basic_info(QVariant(QByteArray("abc"))), "{QByteArray, size:3}");
    EXPECT_EQ(to_string_basic_info(QVariant()), "QVariant{valid=false,, null=true,<unknown type>}");

    // A typed value without content is valid and null.
    QVariant const nullInt{QMetaType::fromType<int>()};
    ASSERT_TRUE(nullInt.isValid());
    ASSERT_TRUE(nullInt.isNull());
    EXPECT_EQ(to_string_basic_info(nullInt), "{, null=true,int, value:\"0\"}");

    std::string const opaque = to_string_basic_info(QVariant::fromValue(Opaque{}));
    EXPECT_EQ(opaque.rfind("{", 0), 0u);
    EXPECT_NE(opaque.find("Opaque"), std::string::npos);
    EXPECT_TRUE(opaque.ends_with(", value=<not convertible to QString>}")) << opaque;
}

TEST(Convert, VariantDescriptionOfStoreType)
{
    // The store registers a QString converter for its type; the description
    // must still use its own form rather than the generic value text.
    qRegisterMetaType<FakeStoreValue>("gen::store::GType");
    QMetaType::registerConverter<FakeStoreValue, QString>(&fake_store_text);
    QVariant const value = QVariant::fromValue(FakeStoreValue{QStringLiteral("Camera, vPos:1,2,3")});
    ASSERT_TRUE(value.canConvert<QString>());
    EXPECT_EQ(to_string_basic_info(value), "{GType:(Camera, vPos:1,2,3)}");
}

TEST(Convert, PointsToAndFromGlm)
{
    EXPECT_EQ(to_Vector2(QPoint(-3, 7)), glm::vec2(-3.0f, 7.0f));
    EXPECT_EQ(to_Vector2(QPoint(0, 0)), glm::vec2(0.0f, 0.0f));
    EXPECT_EQ(to_QPoint(to_Vector2(QPoint(1920, -1080))), QPoint(1920, -1080));

    // Truncated towards zero, not rounded and not floored.
    EXPECT_EQ(to_QPoint(glm::vec2(-1.7f, 2.9f)), QPoint(-1, 2));
    EXPECT_EQ(to_QPoint(glm::vec2(0.99f, -0.99f)), QPoint(0, 0));
    EXPECT_EQ(to_QPoint(glm::vec2(-2.0f, 5.5f)), QPoint(-2, 5));

    // Values without an int counterpart stay defined.
    EXPECT_EQ(to_QPoint(glm::vec2(std::nanf(""), 1e10f)), QPoint(0, INT_MAX));
    EXPECT_EQ(to_QPoint(glm::vec2(-1e10f, 0.0f)), QPoint(INT_MIN, 0));
}
