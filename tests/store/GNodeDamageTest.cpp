// Stored node texts come from a settings file that may have been damaged on
// disk or edited by hand. Every such text must be read promptly, without a
// crash and without allocating more than a small multiple of its size.
#include <gen/store/GNode.h>

#include "AllocationProbe.h"
#include "support/RecordingSink.h"
#include "support/SampleNodes.h"

#include <QBitArray>
#include <QColor>
#include <QDataStream>
#include <QDateTime>
#include <QTimeZone>
#include <QIODevice>
#include <QUrl>
#include <QtEndian>

#include <gtest/gtest.h>

#include <random>

using gen::store::GNode;

namespace {

QByteArray decoded(QString const& text)
{
    return QByteArray::fromBase64(text.toLatin1());
}

QString encoded(QByteArray const& bytes)
{
    return QString::fromLatin1(bytes.toBase64());
}

void put_u32(QByteArray& bytes, qsizetype at, quint32 value)
{
    if (at >= 0 && at + 4 <= bytes.size()) {
        qToBigEndian(value, bytes.data() + at);
    }
}

// One random damage: bit flip, truncation, splice of another text, an
// absurd count or length, or random bytes.
QByteArray damaged(QByteArray bytes, std::vector<QByteArray> const& donors, std::mt19937& random)
{
    auto pick = [&random](qsizetype bound) {
        return bound <= 0 ? qsizetype(0) : qsizetype(std::uniform_int_distribution<qsizetype>(0, bound - 1)(random));
    };
    static constexpr quint32 absurd[] = {0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu, 0xFFFFFFFEu, 1u << 24, 4097u};
    switch (pick(6)) {
    case 0:
        if (!bytes.isEmpty()) {
            bytes[pick(bytes.size())] ^= char(1 << pick(8));
        }
        break;
    case 1:
        bytes.truncate(pick(bytes.size() + 1));
        break;
    case 2: {
        QByteArray const& donor = donors[std::size_t(pick(qsizetype(donors.size())))];
        qsizetype const from = pick(donor.size());
        bytes.insert(pick(bytes.size() + 1), donor.mid(from, pick(donor.size() - from + 1)));
        break;
    }
    case 3:
    case 4:
        put_u32(bytes, pick(bytes.size() - 3), absurd[pick(6)]);
        break;
    default:
        for (int i = 0; i < 4 && !bytes.isEmpty(); ++i) {
            bytes[pick(bytes.size())] = char(random());
        }
        break;
    }
    return bytes;
}

// Generous for Qt's own small buffers, far below what a trusted length of a
// damaged input would take.
std::size_t allocation_bound(QString const& text)
{
    return std::size_t(text.size()) * 8 + 64 * 1024;
}

}  // namespace

TEST(GNodeDamage, MutatedTextsAreReadWithinBounds)
{
    test::LogLevelGuard level(gen::log::LEVEL_ERROR);
    std::vector<QByteArray> originals;
    for (QString const& text : test::sample_node_texts()) {
        originals.push_back(decoded(text));
    }
    std::mt19937 random(20028);
    int failures = 0;
    for (int round = 0; round < 4000; ++round) {
        QByteArray bytes = originals[std::size_t(round) % originals.size()];
        int const damages = 1 + int(random() % 3);
        for (int i = 0; i < damages; ++i) {
            bytes = damaged(bytes, originals, random);
        }
        QString const text = encoded(bytes);
        std::size_t largest = 0;
        GNode read;
        {
            test::AllocationProbe probe;
            read = GNode::from_qstring(text);
            largest = probe.largest();
        }
        if (test::AllocationProbe::available()) {
            ASSERT_LE(largest, allocation_bound(text)) << "round " << round << ": " << text.toStdString();
        }
        // Whatever was read is a sound tree: written and read again, it
        // stays the same.
        GNode const again = GNode::from_qstring(read.to_base_64_string());
        ASSERT_TRUE(again.equals(read)) << "round " << round << ": " << text.toStdString();
        failures += read.empty() ? 1 : 0;
    }
    // The damage must really have hit: many reads lose everything.
    EXPECT_GT(failures, 500);
}

TEST(GNodeDamage, AbsurdCountsAndLengthsFailAtOnce)
{
    auto const header = [] {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << GNode::MAGIC << GNode::VERSION;
        return bytes;
    };
    auto const u32 = [](quint32 value) {
        QByteArray bytes(4, '\0');
        qToBigEndian(value, bytes.data());
        return bytes;
    };
    std::vector<std::pair<char const*, QByteArray>> const cases = {
        {"attribute count 2^31", header() + u32(0x80000000u) + QByteArray(30, 'a')},
        {"child count 2^31", header() + u32(0) + u32(0x7FFFFFFFu) + QByteArray(26, 'a')},
        {"key length 4 GiB", header() + u32(1) + u32(0xFFFFFFFEu) + QByteArray(26, 'a')},
        // A byte-array value claiming 4 GiB: type 12, not null, length.
        {"byte array 4 GiB", header() + u32(1) + u32(2) + QByteArray("\0k", 2) + u32(12) + QByteArray(1, '\0') +
                                 u32(0xFFFFFFFEu) + QByteArray(12, 'a')},
        // A string list (type 11) claiming 2^31 entries: Qt would reserve them.
        {"list count 2^31", header() + u32(1) + u32(2) + QByteArray("\0k", 2) + u32(11) + QByteArray(1, '\0') +
                                u32(0x80000000u) + QByteArray(12, 'a')},
        {"unknown user type", header() + u32(1) + u32(2) + QByteArray("\0k", 2) + u32(65536) + QByteArray(1, '\0') +
                                  u32(5) + QByteArray("evil\0", 5) + QByteArray(8, 'a')},
    };
    for (auto const& [name, bytes] : cases) {
        test::RecordingSink sink;
        QString const text = encoded(bytes);
        std::size_t largest = 0;
        {
            test::AllocationProbe probe;
            GNode const read = GNode::from_qstring(text);
            largest = probe.largest();
            EXPECT_TRUE(read.empty()) << name;
        }
        EXPECT_TRUE(sink.contains("from_qstring, node deserialization failed")) << name;
        if (test::AllocationProbe::available()) {
            EXPECT_LE(largest, allocation_bound(text)) << name;
        }
    }
}

TEST(GNodeDamage, AcceptedValueKindsStillRoundTrip)
{
    GNode node;
    node.set("list", QVariantList{1, QString("two"), QVariantList{3.5, QByteArray("x")}});
    node.set("map", QVariantMap{{"k", 1}, {"l", QStringList{"a", "b"}}});
    node.set("float", 1.25f);
    node.set("char", QChar(u'é'));
    node.set("long", qlonglong(-1) << 40);
    node.set("url", QVariant(QUrl("https://example.org/a b")));
    node.set("color", QColor(10, 20, 30, 40));
    QDate const day(2026, 12, 6);
    node.set("local", QDateTime(day, QTime(12, 0)));
    node.set("offset", QDateTime(day, QTime(12, 0), Qt::OffsetFromUTC, 3600));
    node.set("zone", QDateTime(day, QTime(12, 0), QTimeZone("Europe/Berlin")));
    GNode const read = GNode::from_qstring(node.to_base_64_string());
    EXPECT_TRUE(read.equals(node));
    EXPECT_EQ(read.values().size(), 10);
    EXPECT_EQ(read.get<QColor>("color", {}), QColor(10, 20, 30, 40));
    EXPECT_EQ(read.get<QDateTime>("zone", {}).timeZone().id(), "Europe/Berlin");
}

TEST(GNodeDamage, ValueOfAnUnreadableKindIsLeftOutAlone)
{
    GNode node;
    node.set("a", 1);
    node.set("b", QBitArray(3, true));
    node.set("c", 2);
    node["child"].set("d", 3);
    test::RecordingSink sink;
    GNode const read = GNode::from_qstring(node.to_base_64_string());
    EXPECT_TRUE(sink.contains("GAttributes::to_stream, 'b' left out, its kind of value cannot be read back"));
    EXPECT_FALSE(sink.contains("from_qstring"));
    EXPECT_FALSE(read.contains("b"));
    EXPECT_EQ(read.get<int>("c", 0), 2);
    ASSERT_NE(read.find_node("child"), nullptr);
    EXPECT_EQ(read.find_node("child")->get<int>("d", 0), 3);
}
