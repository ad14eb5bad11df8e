#include <gen/store/GAttributes.h>
#include <gen/store/LogConfigGType.h>

#include "support/RecordingSink.h"

#include <QDataStream>
#include <QIODevice>

#include <gtest/gtest.h>

#include <unistd.h>

using gen::log::LogConfig;
using gen::store::GAttributes;
using gen::store::GType;

namespace {
// A second registered structure, to mix up ids and sizes.
struct Pair {
    float a = 0;
    float b = 0;
};
}  // namespace

template <>
struct gen::store::gtype_traits<Pair> {
    static constexpr unsigned int id = 9001;
    static QString to_string(Pair const& p) { return QString("Pair %1 %2").arg(p.a).arg(p.b); }
};

namespace {
[[maybe_unused]] bool const regPair = gen::store::register_gtype<Pair>();

QByteArray streamed(GAttributes const& attributes)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    attributes.to_stream(stream);
    return bytes;
}
}  // namespace

TEST(GAttributesGet, ReturnsOnlyTheExactType)
{
    test::LogLevelGuard level(gen::log::LEVEL_TRACE);
    test::RecordingSink sink;
    GAttributes map;
    map.set("n", 7);
    map.set("s", QString("text"));
    EXPECT_EQ(map.get<int>("n", 0), 7);
    EXPECT_EQ(map.get<QString>("s", ""), "text");

    EXPECT_EQ(map.get<unsigned int>("n", 99u), 99u);
    EXPECT_TRUE(sink.contains("GAttributes::get, wrong type"));
    EXPECT_EQ(map.get<int>("missing", -1), -1);
    EXPECT_TRUE(sink.contains("GAttributes::get, 'missing' not found"));

    map.set("null", QVariant());
    EXPECT_EQ(map.get<int>("null", 5), 5);
    EXPECT_EQ(map.size(), 3);  // reads never insert
}

TEST(GAttributesEnsure, InsertsTheDefaultOnce)
{
    GAttributes map;
    EXPECT_TRUE(map.ensure<bool>("x", true));
    EXPECT_EQ(map.values().value("x").metaType(), QMetaType::fromType<bool>());
    EXPECT_TRUE(map.ensure<bool>("x", false));
}

TEST(GAttributesEnsure, ConvertsWithoutChangingTheStoredValue)
{
    GAttributes map;
    map.set("n", QString("12"));
    EXPECT_EQ(map.ensure<int>("n", 0), 12);
    EXPECT_EQ(map.values().value("n").metaType(), QMetaType::fromType<QString>());
    EXPECT_EQ(map.ensure<QString>("n", ""), "12");
}

TEST(GAttributesEnsure, UnconvertibleValueGivesDefaultAndWarns)
{
    test::RecordingSink sink;
    GAttributes map;
    map.set("n", QString("twelve"));
    EXPECT_EQ(map.ensure<int>("n", 3), 3);
    EXPECT_TRUE(sink.contains("GAttributes::get, 'n' type conversion problem"));
    EXPECT_EQ(map.get<QString>("n", ""), "twelve");

    map.set("l", QString("two"));
    EXPECT_EQ(map.ensure<gen::log::LOG_LEVEL>("l", gen::log::LEVEL_TRACE), gen::log::LEVEL_TRACE);
    map.set("l", QString("2"));
    EXPECT_EQ(map.ensure<gen::log::LOG_LEVEL>("l", gen::log::LEVEL_TRACE), gen::log::LEVEL_INFO);
}

TEST(GAttributesSet, KeepsEnumerationsAndFlagsAsThemselves)
{
    GAttributes map;
    map.set("level", gen::log::LEVEL_WARN);
    map.set_flag("f", true);
    map.set("text", "literal");
    EXPECT_EQ(map.values().value("level").metaType(), QMetaType::fromType<gen::log::LOG_LEVEL>());
    EXPECT_EQ(map.get<gen::log::LOG_LEVEL>("level", gen::log::LEVEL_ERROR), gen::log::LEVEL_WARN);
    EXPECT_TRUE(map.is_flag("f"));
    EXPECT_FALSE(map.is_flag("g"));
    EXPECT_TRUE(map.is_flag("g", true));
    EXPECT_EQ(map.get<QString>("text", ""), "literal");
    map.set_flag("f", false);
    EXPECT_FALSE(map.is_flag("f", true));
}

TEST(GAttributesPod, RoundTripsTheRawImage)
{
    LogConfig config;
    config.ini();
    config.fontSize = 17;
    GAttributes map;
    map.set_pod("log", config);
    EXPECT_EQ(map.get_pod<LogConfig>("log", LogConfig{}), config);
    GType const stored = map.get<GType>("log", GType{});
    EXPECT_EQ(stored.id, 99u);
    EXPECT_EQ(stored.bytes, QByteArray(reinterpret_cast<char const*>(&config), 16));
}

TEST(GAttributesPod, MismatchGivesDefaultConstructedNotTheCallersDefault)
{
    test::LogLevelGuard level(gen::log::LEVEL_TRACE);
    test::RecordingSink sink;
    GAttributes map;
    map.set_pod("pair", Pair{1.5f, 2.5f});
    LogConfig callersDefault;
    callersDefault.fontSize = 55;
    EXPECT_EQ(map.get_pod<LogConfig>("pair", callersDefault), LogConfig{});

    map.set("wrong", 5);
    EXPECT_EQ(map.get_pod<LogConfig>("wrong", callersDefault), LogConfig{});
    EXPECT_TRUE(sink.contains("GAttributes::get, wrong type"));

    // Right id, wrong size: bytes that cannot be this structure.
    map.set("short", QVariant::fromValue(GType{99, QByteArray(12, 'x')}));
    EXPECT_EQ(map.get_pod<LogConfig>("short", callersDefault), LogConfig{});

    EXPECT_EQ(map.get_pod<LogConfig>("absent", callersDefault), callersDefault);
    EXPECT_TRUE(sink.contains("GAttributes::get_pod, <<<absent>>> not found !"));
}

TEST(GAttributesPodDeathTest, UnregisteredStructureEndsTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    struct Unregistered {
        int x = 1;
    };
    EXPECT_EXIT(
        {
            ::dup2(STDERR_FILENO, STDOUT_FILENO);  // the message goes to standard output
            GAttributes map;
            map.set_pod("u", Unregistered{});
        },
        testing::ExitedWithCode(1), "GAttributes::set_pod, id == 0");
}

TEST(GAttributesText, OneLineInKeyOrderWithoutTrailingComma)
{
    GAttributes map;
    EXPECT_EQ(map.to_string(), "");
    map.set_flag("a", true);
    EXPECT_EQ(map.to_string(), "a={bool, value:\"true\"}");
    map.set("B", 2);
    map.set_pod("c", Pair{1, 2});
    QString const text = map.to_string();
    EXPECT_TRUE(text.startsWith("B={int, value:\"2\"},a={bool")) << text.toStdString();
    EXPECT_TRUE(text.endsWith("c={GType:(Pair 1 2)}")) << text.toStdString();
}

TEST(GAttributesStream, RoundTripKeepsEveryKind)
{
    GAttributes map;
    map.set_flag("flag", true);
    map.set("int", -5);
    map.set("uint", 5u);
    map.set("text", QString("äöü ünïcödé"));
    map.set("bytes", QByteArray("\0\1\2", 3));
    map.set("level", gen::log::LEVEL_INFO);
    map.set_pod("pair", Pair{3, 4});

    QByteArray const bytes = streamed(map);
    QDataStream in(bytes);
    GAttributes read;
    read.set("stale", 1);
    ASSERT_TRUE(read.from_stream(in));
    EXPECT_EQ(in.status(), QDataStream::Ok);
    EXPECT_EQ(read.to_string(), map.to_string());
    EXPECT_FALSE(read.contains("stale"));
    EXPECT_EQ(read.values().value("uint").metaType(), QMetaType::fromType<unsigned int>());
    EXPECT_EQ(read.get_pod<Pair>("pair", Pair{}).b, 4.0f);
}

TEST(GAttributesStream, StreamEndingAfterTheCountFailsAtIndexZero)
{
    test::RecordingSink sink;
    QByteArray const bytes = QByteArray::fromHex("00000002");
    QDataStream in(bytes);
    GAttributes read;
    EXPECT_FALSE(read.from_stream(in));
    EXPECT_TRUE(sink.contains("GAttributes::from_stream, key read error!, at index:0"));
    EXPECT_NE(in.status(), QDataStream::Ok);
}

TEST(GAttributesStream, KeepsEntriesReadBeforeTheDamage)
{
    GAttributes map;
    map.set("a", 1);
    map.set("b", QString("two"));
    QByteArray bytes = streamed(map);
    bytes.chop(3);  // into the value of "b"
    test::RecordingSink sink;
    QDataStream in(bytes);
    GAttributes read;
    EXPECT_FALSE(read.from_stream(in));
    EXPECT_TRUE(sink.contains("GAttributes::from_stream, val read error!, at index:1"));
    EXPECT_EQ(read.get<int>("a", 0), 1);
    EXPECT_FALSE(read.contains("b"));
}

TEST(GAttributesStream, EmptyStreamIsAReadError)
{
    test::RecordingSink sink;
    QDataStream in(QByteArray{});
    GAttributes read;
    EXPECT_FALSE(read.from_stream(in));
    EXPECT_TRUE(sink.contains("GAttributes::from_stream, read error!"));
}
