// The attribute map and the registered structures (GType) it stores.
#include <gen/store/GAttributes.h>
#include <gen/store/LogConfigGType.h>

#include "support/Fatal.h"
#include "support/LogCapture.h"
#include "support/SampleNodes.h"

#include <QDataStream>
#include <QIODevice>

#include <gtest/gtest.h>

using gen::log::LogConfig;
using gen::store::GAttributes;
using gen::store::GType;

namespace {

template <class T>
QByteArray streamed(T const& value)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << value;
    return bytes;
}

}  // namespace

TEST(GAttributesRead, GetIsExactEnsureConvertsAndInsertsOnlyWhenAbsent)
{
    test::LogCapture log;
    GAttributes map;
    map.set("n", 7);
    map.set("twelve", QString("12"));
    map.set("word", QString("twelve"));
    map.set("null", QVariant());
    EXPECT_EQ(map.get<int>("n", 0), 7);
    EXPECT_EQ(map.get<unsigned int>("n", 99u), 99u);
    EXPECT_TRUE(log.contains("GAttributes::get, wrong type"));
    EXPECT_EQ(map.get<int>("missing", -1), -1);
    EXPECT_TRUE(log.contains("GAttributes::get, 'missing' not found"));
    EXPECT_EQ(map.get<int>("null", 5), 5);
    EXPECT_EQ(map.size(), 4);  // reads never insert

    EXPECT_EQ(map.ensure<int>("twelve", 0), 12);
    EXPECT_EQ(map.values().value("twelve").metaType(), QMetaType::fromType<QString>());  // unchanged
    EXPECT_EQ(map.ensure<int>("word", 3), 3);
    EXPECT_TRUE(log.contains("GAttributes::get, 'word' type conversion problem"));
    EXPECT_TRUE(map.ensure<bool>("x", true));
    EXPECT_EQ(map.values().value("x").metaType(), QMetaType::fromType<bool>());
    EXPECT_TRUE(map.ensure<bool>("x", false));
    EXPECT_TRUE(map.is_flag("x") && map.is_flag("g", true));
    map.set_flag("x", false);
    EXPECT_FALSE(map.is_flag("x", true));
}

// A structure comes back only from the raw image of its own id and size.
TEST(GAttributesRead, PodNeedsTheRightIdAndSize)
{
    test::LogCapture log;
    LogConfig callersDefault;
    callersDefault.fontSize = 55;
    GAttributes map;
    map.set_pod("log", test::sample_log_config());
    map.set_pod("light", test::samples().light);
    map.set("int", 5);
    map.set("short", QVariant::fromValue(GType{99, QByteArray(12, 'x')}));
    EXPECT_EQ(map.get_pod<LogConfig>("log", LogConfig{}), test::sample_log_config());
    EXPECT_EQ(map.get_pod("light", test::SampleLight{}).values[6], 0.75f);
    for (char const* key : {"light", "int", "short"}) {
        EXPECT_EQ(map.get_pod<LogConfig>(key, callersDefault), LogConfig{}) << key;
    }
    EXPECT_EQ(map.get_pod<LogConfig>("absent", callersDefault), callersDefault);
    EXPECT_TRUE(log.contains("GAttributes::get_pod, <<<absent>>> not found !"));
}

TEST(GAttributesPodDeathTest, UnregisteredStructureEndsTheProgram)
{
    struct Unregistered {
        int x = 1;
    };
    GAttributes map;
    EXPECT_FATAL_EXIT(map.set_pod("u", Unregistered{}), "GAttributes::set_pod, id == 0");
}

TEST(GAttributesStream, RoundTripKeepsEveryKindAndTheText)
{
    GAttributes map;
    map.set_flag("a", true);
    map.set("B", 2);
    map.set("uint", 5u);
    map.set("text", "literal äöü");
    map.set("bytes", QByteArray("\0\1\2", 3));
    map.set("level", gen::log::LEVEL_INFO);
    map.set_pod("light", test::samples().light);
    QString const text = map.to_string();
    EXPECT_TRUE(text.startsWith("B={int, value:\"2\"},a={bool, value:\"true\"},")) << text.toStdString();
    EXPECT_TRUE(text.contains(",light={GType:(SamplePod 9107, last:0.75)},")) << text.toStdString();
    EXPECT_TRUE(text.contains("level={gen::log::LOG_LEVEL") && text.contains("text={QString")) << text.toStdString();
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    map.to_stream(out);
    // Damage keeps the entries read before it; the stream tells missing data
    // from damaged data.
    struct Row {
        QByteArray bytes;
        char const* line;
        QString text;
        QDataStream::Status status;
    };
    Row const rows[] = {
        {bytes, "", text, QDataStream::Ok},
        {QByteArray(), "GAttributes::from_stream, read error!", "", QDataStream::ReadPastEnd},
        {QByteArray::fromHex("00000002"), "GAttributes::from_stream, key read error!, at index:0", "",
         QDataStream::ReadPastEnd},
        {QByteArray::fromHex("00000001" "fffffffe" "0000"), "GAttributes::from_stream, key read error!, at index:0",
         "", QDataStream::ReadCorruptData},
        {bytes.chopped(3), "GAttributes::from_stream, val read error!, at index:6", text.section(",uint=", 0, 0),
         QDataStream::ReadCorruptData},  // the value's type is there, its number cut
    };
    for (Row const& row : rows) {
        test::LogCapture log(gen::log::LEVEL_ERROR);
        QDataStream in(row.bytes);
        GAttributes read;
        read.set("stale", 1);
        EXPECT_EQ(read.from_stream(in), *row.line == '\0') << row.line;
        EXPECT_EQ(in.status(), row.status) << row.line;
        EXPECT_EQ(log.texts(), *row.line == '\0' ? std::vector<std::string>{} : std::vector<std::string>{row.line});
        EXPECT_EQ(read.to_string(), row.text) << row.line;
    }
}

// Only a registered id with bytes of exactly the registered size is the
// structure: a short array would be read past its end.
TEST(GType, TextAndRebuildNeedRegisteredIdAndExactSize)
{
    LogConfig const config = test::sample_log_config();
    QByteArray const bytes = GType::from_pod(config).bytes;
    ASSERT_EQ(bytes, QByteArray(reinterpret_cast<char const*>(&config), 16));
    std::pair<GType, QString> const rows[] = {
        {GType{99, bytes}, config.to_string()},
        {GType{4711, QByteArray(3, 'x')}, "GType{id:4711, size:3}"},
        {GType{99, bytes.left(15)}, "GType{id:99, size:15}"},
    };
    test::LogCapture log(gen::log::LEVEL_DEBUG);
    for (auto const& [value, text] : rows) {
        EXPECT_EQ(QVariant::fromValue(value).toString(), text);  // through the registered converter
        EXPECT_EQ(value.create().has_value(), &value == &rows[0].first) << text.toStdString();
    }
    EXPECT_EQ(log.count("GType::to_string - formatter id:"), 2u);
    EXPECT_EQ(std::any_cast<LogConfig>(rows[0].first.create()), config);
    // The id argument, not the object's own, chooses the converter.
    EXPECT_TRUE((GType{12345, bytes}.create(99).has_value()));
}

// The stored form, also inside QVariant under the stored type name.
TEST(GType, StreamsIdThenByteArrayKeepingNullness)
{
    EXPECT_EQ(streamed(GType{0x01020304, QByteArray("ab")}), QByteArray::fromHex("01020304" "00000002" "6162"));
    EXPECT_EQ(streamed(GType{7, QByteArray()}), QByteArray::fromHex("00000007" "ffffffff"));
    for (GType const& original : {GType::from_pod(test::sample_log_config()), GType{5, QByteArray()},
                                  GType{0xFFFFFFFFu, QByteArray("", 0)}}) {
        QByteArray const inVariant = streamed(QVariant::fromValue(original));
        EXPECT_TRUE(inVariant.contains("gen::store::GType"));
        QDataStream in(inVariant);
        QVariant read;
        in >> read;
        EXPECT_EQ(read.value<GType>().id, original.id);
        EXPECT_EQ(read.value<GType>().bytes, original.bytes);
        EXPECT_EQ(read.value<GType>().bytes.isNull(), original.bytes.isNull());
    }
}
