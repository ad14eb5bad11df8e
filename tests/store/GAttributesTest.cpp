// The attribute map and the registered structures (GType) it stores.
#include <gen/store/GAttributes.h>
#include <gen/store/LogConfigGType.h>

#include "support/Fatal.h"
#include "support/LogCapture.h"
#include "support/SampleNodes.h"

#include <QDataStream>
#include <QIODevice>
#include <QPoint>

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

TEST(GAttributes, GetIsExactEnsureConvertsStructuresNeedTheirIdAndSizeAndStreamKeepingNullness)
{
    test::LogCapture log;
    GAttributes map;
    map.set("n", 7);
    map.set("twelve", QString("12"));
    map.set("word", QString("twelve"));
    map.set("null", QVariant());
    // Wrong type, missing, null; reads never insert.
    EXPECT_EQ(std::tuple(map.get<int>("n", 0), map.get<unsigned int>("n", 99u), map.get<int>("missing", -1),
                         map.get<int>("null", 5)),
              std::tuple(7, 99u, -1, 5));
    EXPECT_EQ(map.size(), 4);
    EXPECT_EQ(map.ensure<int>("twelve", 0), 12);
    EXPECT_EQ(map.values().value("twelve").metaType(), QMetaType::fromType<QString>());  // unchanged
    EXPECT_EQ(map.ensure<int>("word", 3), 3);
    EXPECT_TRUE(map.ensure<bool>("x", true) && map.ensure<bool>("x", false) && map.is_flag("x") && map.is_flag("g", true));
    map.set_flag("x", false);
    EXPECT_FALSE(map.is_flag("x", true));
    for (char const* line : {"get, wrong type", "get, 'missing' not found", "get, 'word' type conversion problem"}) {
        EXPECT_TRUE(log.contains(std::string("GAttributes::") + line)) << line;
    }

    LogConfig const callersDefault{.logControl = {}, .fontSize = 55};
    map.set_pod("log", test::sample_log_config());
    map.set_pod("light", test::samples().light);
    map.set("short", QVariant::fromValue(GType{99, QByteArray(12, 'x')}));
    EXPECT_EQ(map.get_pod<LogConfig>("log", LogConfig{}), test::sample_log_config());
    EXPECT_EQ(map.get_pod("light", test::SampleLight{}).values[6], 0.75f);
    for (char const* key : {"light", "n", "short"}) {
        EXPECT_EQ(map.get_pod<LogConfig>(key, callersDefault), LogConfig{}) << key;
    }
    EXPECT_EQ(map.get_pod<LogConfig>("absent", callersDefault), callersDefault);
    EXPECT_TRUE(log.contains("GAttributes::get_pod, <<<absent>>> not found !"));
    // A structure (GType) is rebuilt only from a registered id with bytes of exactly its size.
    LogConfig const config = test::sample_log_config();
    QByteArray const bytes = GType::from_pod(config).bytes;
    EXPECT_EQ(std::any_cast<LogConfig>(GType{99, bytes}.create()), config);
    EXPECT_EQ(QVariant::fromValue(GType{99, bytes}).toString(), config.to_string());  // the registered converter
    EXPECT_FALSE((GType{4711, QByteArray(3, 'x')}.create().has_value() || GType{99, bytes.left(15)}.create().has_value()));
    EXPECT_TRUE((GType{12345, bytes}.create(99).has_value()));  // the id argument, not the object's own, chooses
    // The stored form, also inside QVariant under the stored type name.
    EXPECT_EQ(streamed(GType{0x01020304, QByteArray("ab")}), QByteArray::fromHex("01020304" "00000002" "6162"));
    EXPECT_EQ(streamed(GType{7, QByteArray()}), QByteArray::fromHex("00000007" "ffffffff"));
    for (GType const& original : {GType::from_pod(config), GType{5, QByteArray()},
                                  GType{0xFFFFFFFFu, QByteArray("", 0)}}) {
        QDataStream in(streamed(QVariant::fromValue(original)));
        QVariant read;
        in >> read;
        GType const back = read.value<GType>();
        EXPECT_TRUE(back.id == original.id && back.bytes == original.bytes &&
                    back.bytes.isNull() == original.bytes.isNull());
    }
}

TEST(GAttributesPodDeathTest, UnregisteredStructureEndsTheProgram)
{
    GAttributes map;
    EXPECT_FATAL_EXIT(map.set_pod("u", QPoint(1, 2)), "GAttributes::set_pod, id == 0");
}

