#include <gen/store/GType.h>
#include <gen/store/LogConfigGType.h>
#include <gen/tools/convert.h>

#include "support/RecordingSink.h"

#include <QDataStream>
#include <QIODevice>
#include <QVariant>

#include <gtest/gtest.h>

using gen::log::LogConfig;
using gen::store::GType;

namespace {

LogConfig sample_config()
{
    LogConfig config;
    config.ini();
    config.logLevel = 2;
    config.digits = 8;
    return config;
}

template <class T>
QByteArray streamed(T const& value)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << value;
    return bytes;
}

}  // namespace

TEST(GTypeText, UnregisteredIdFallsBackAndLogs)
{
    test::LogLevelGuard level(gen::log::LEVEL_DEBUG);
    test::RecordingSink sink;
    EXPECT_EQ(GType{}.to_string(), "GType{id:0, size:0}");
    EXPECT_TRUE(sink.contains("GType::to_string - formatter id:0 not found"));
    EXPECT_EQ((GType{4711, QByteArray(3, 'x')}.to_string()), "GType{id:4711, size:3}");
}

TEST(GTypeText, RegisteredTypeUsesItsFormatter)
{
    LogConfig const config = sample_config();
    GType const stored = GType::from_pod(config);
    EXPECT_EQ(stored.id, 99u);
    EXPECT_EQ(stored.bytes.size(), 16);
    EXPECT_EQ(stored.to_string(), config.to_string());
}

TEST(GTypeCreate, RebuildsTheValueFromItsBytes)
{
    LogConfig const config = sample_config();
    std::any value = GType::from_pod(config).create();
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(std::any_cast<LogConfig>(value), config);
}

TEST(GTypeCreate, SizeMismatchOrUnknownIdGivesNothing)
{
    QByteArray bytes = GType::from_pod(sample_config()).bytes;
    // A short array would be read past its end; a long one is not this type.
    EXPECT_FALSE((GType{99, bytes.left(15)}.create().has_value()));
    EXPECT_FALSE((GType{99, bytes + 'x'}.create().has_value()));
    EXPECT_FALSE((GType{99, QByteArray()}.create().has_value()));
    EXPECT_FALSE((GType{12345, bytes}.create().has_value()));
    // The id argument, not the object's own id, chooses the converter.
    EXPECT_TRUE((GType{12345, bytes}.create(99).has_value()));

    test::LogLevelGuard level(gen::log::LEVEL_DEBUG);
    test::RecordingSink sink;
    EXPECT_EQ((GType{99, bytes.left(15)}.to_string()), "GType{id:99, size:15}");
    EXPECT_TRUE(sink.contains("formatter id:99 not found"));
}

TEST(GTypeCreate, RegisteringAgainKeepsOneWorkingEntry)
{
    auto const before = gen::store::create_registry().size();
    gen::store::register_gtype<LogConfig>();
    gen::store::register_gtype<LogConfig>();
    EXPECT_EQ(gen::store::create_registry().size(), before);
    EXPECT_EQ(GType::from_pod(sample_config()).to_string(), sample_config().to_string());
}

TEST(GTypeStream, LayoutIsIdThenByteArray)
{
    QByteArray const bytes = streamed(GType{0x01020304, QByteArray("ab")});
    EXPECT_EQ(bytes, QByteArray::fromHex("01020304" "00000002" "6162"));
    EXPECT_EQ(streamed(GType{7, QByteArray()}), QByteArray::fromHex("00000007" "ffffffff"));
}

TEST(GTypeStream, RoundTripKeepsIdBytesAndNullness)
{
    for (GType const& original : {GType{99, GType::from_pod(sample_config()).bytes}, GType{5, QByteArray()},
                                  GType{0xFFFFFFFFu, QByteArray("", 0)}}) {
        QByteArray const bytes = streamed(original);
        QDataStream in(bytes);
        GType read{1, QByteArray("junk")};
        in >> read;
        EXPECT_EQ(in.status(), QDataStream::Ok);
        EXPECT_EQ(read.id, original.id);
        EXPECT_EQ(read.bytes, original.bytes);
        EXPECT_EQ(read.bytes.isNull(), original.bytes.isNull());
    }
}

TEST(GTypeStream, TruncatedStreamShowsInStatus)
{
    QByteArray const bytes = streamed(GType{99, QByteArray(16, 'a')});
    QDataStream in(bytes.left(10));
    GType read;
    in >> read;
    EXPECT_NE(in.status(), QDataStream::Ok);
}

TEST(GTypeVariant, TravelsThroughQVariantUnderItsStoredName)
{
    QVariant const value = QVariant::fromValue(GType::from_pod(sample_config()));
    EXPECT_STREQ(value.metaType().name(), "gen::store::GType");

    QByteArray const bytes = streamed(value);
    // The type name is part of the stored bytes.
    EXPECT_TRUE(bytes.contains("gen::store::GType"));
    QDataStream in(bytes);
    QVariant read;
    in >> read;
    ASSERT_EQ(in.status(), QDataStream::Ok);
    ASSERT_EQ(read.metaType(), QMetaType::fromType<GType>());
    EXPECT_EQ(read.value<GType>().bytes, value.value<GType>().bytes);
}

TEST(GTypeVariant, ReadableFormsUseTheFormatter)
{
    QVariant const value = QVariant::fromValue(GType::from_pod(sample_config()));
    EXPECT_EQ(value.toString(), sample_config().to_string());
    QString const info = gen::convert::to_qstring_basic_info(value);
    EXPECT_TRUE(info.contains(":(" + sample_config().to_string() + ")")) << info.toStdString();
}

TEST(LogLevelVariant, ConvertsFromNumbersAndNumericTextOnly)
{
    using gen::log::LOG_LEVEL;
    auto const converted = [](QVariant value) -> std::optional<int> {
        if (!value.convert(QMetaType::fromType<LOG_LEVEL>())) {
            return std::nullopt;
        }
        return int(value.value<LOG_LEVEL>());
    };
    EXPECT_EQ(converted(QString("2")), 2);
    EXPECT_EQ(converted(QString(" 4 ")), 4);
    EXPECT_EQ(converted(3), 3);
    EXPECT_EQ(converted(QString("abc")), std::nullopt);
    EXPECT_EQ(converted(QString("2.5")), std::nullopt);
    EXPECT_EQ(converted(QString()), std::nullopt);
}

TEST(LogLevelVariant, StreamsAsThirtyTwoBitInteger)
{
    QByteArray const bytes = streamed(QVariant::fromValue(gen::log::LEVEL_WARN));
    EXPECT_TRUE(bytes.endsWith(QByteArray::fromHex("00000001")));
    QDataStream in(bytes);
    QVariant read;
    in >> read;
    ASSERT_EQ(in.status(), QDataStream::Ok);
    EXPECT_EQ(read.value<gen::log::LOG_LEVEL>(), gen::log::LEVEL_WARN);
}
