#include <gen/store/GNode.h>

#include "support/LogCapture.h"
#include "support/SampleNodes.h"

#include <QColor>
#include <QDataStream>
#include <QDateTime>
#include <QIODevice>
#include <QPoint>
#include <QRect>
#include <QTimeZone>
#include <QUrl>

#include <gtest/gtest.h>

using gen::store::GNode;

namespace {

QByteArray decoded(GNode const& node)
{
    return QByteArray::fromBase64(node.to_base_64_string().toLatin1());
}

QString encoded(QByteArray const& bytes)
{
    return QString::fromLatin1(bytes.toBase64());
}

}  // namespace

TEST(GNodeText, EveryStoredKindRoundTrips)
{
    EXPECT_EQ(decoded(GNode{}), QByteArray::fromHex("474E4F44" "0001" "00000000" "00000000"));
    EXPECT_EQ(GNode::get_base64_length(GNode{}), 20);
    GNode original = test::samples().node();
    original.set("rect", QRect(1, 2, 3, 4));
    original.set("list", QVariantList{1, QString("two"), QVariantList{3.5, QByteArray("x")}});
    original.set("map", QVariantMap{{"k", 1}, {"l", QStringList{"a", "b"}}});
    original.set("float", 1.25f);
    original.set("char", QChar(u'é'));
    original.set("long", qlonglong(-1) << 40);
    original.set("url", QVariant(QUrl("https://example.org/a b")));
    original.set("color", QColor(10, 20, 30, 40));
    QDate const day(2026, 12, 6);
    original.set("local", QDateTime(day, QTime(12, 0)));
    original.set("offset", QDateTime(day, QTime(12, 0), Qt::OffsetFromUTC, 3600));
    original.set("zone", QDateTime(day, QTime(12, 0), QTimeZone("Europe/Berlin")));
    test::LogCapture log;
    GNode const read = GNode::from_base_64_string(original.to_base_64_string());
    EXPECT_TRUE(log.texts().empty()) << testing::PrintToString(log.texts());
    EXPECT_TRUE(read.equals(original));  // written again, the same stored bytes
    EXPECT_EQ(test::samples().mismatches(read), std::vector<std::string>{});
    EXPECT_EQ(read.get<QDateTime>("zone", {}).timeZone().id(), "Europe/Berlin");
}

// equals compares the stored forms; the digest covers readable texts, which
// show only the size of a byte array. A move takes children and values along.
TEST(GNodeEquality, EqualsSeesStoredFormsDigestIgnoresByteContents)
{
    GNode moved = test::samples().node();
    GNode const a(std::move(moved));
    EXPECT_TRUE(moved.empty() && moved.children().empty());  // NOLINT(bugprone-use-after-move)
    GNode otherType = test::samples().node();
    otherType.set("uint", int(4000000000u));  // same bits, other type
    GNode extraChild;
    extraChild = test::samples().node();
    EXPECT_EQ(&extraChild.ensure_node("another"), &extraChild["another"]);
    GNode otherBytes = test::samples().node();
    otherBytes.set("bytes", QByteArray(test::sample_bytes()).replace(0, 1, "x"));
    EXPECT_TRUE(a == test::samples().node());
    for (GNode const* other : {&otherType, &extraChild, &otherBytes}) {
        EXPECT_FALSE(a.equals(*other));
    }
    EXPECT_EQ(a.get_md5(), otherBytes.get_md5());
    EXPECT_NE(a.get_md5(), extraChild.get_md5());
    // A value must not pass for a child name: the digest separates the parts.
    GNode child;
    child["x"];
    GNode value;
    value.set("x", QString());
    EXPECT_FALSE(child.equals(value));
    EXPECT_NE(child.get_md5(), value.get_md5());
    EXPECT_EQ(a.get_md5_string(6).size(), 16u * 3 - 1);
}

TEST(GNodeRead, DamagedTextsLogTheirCauseAndKeepWhatCameBefore)
{
    QByteArray const sample = decoded(test::samples().node());
    GNode cutTree;
    cutTree.set("a", 1);
    cutTree["first"].set("y", QString("a long enough text to cut into"));
    GNode cutKept;
    cutKept.set("a", 1);
    cutKept["first"];
    // Each level an empty attribute map and one child "c"; 256 are kept.
    QByteArray deep;
    QDataStream out(&deep, QIODevice::WriteOnly);
    out << GNode::MAGIC << GNode::VERSION;
    for (int i = 0; i < 100000; ++i) {
        out << qint32(0) << qint32(1) << QString("c");
    }
    out << qint32(0) << qint32(0);
    GNode deepKept;
    GNode* level = &deepKept;
    for (int i = 0; i < 256; ++i) {
        level = &(*level)["c"];
    }
    struct Row {
        QString text;
        std::string line;
        GNode kept;
    };
    Row const rows[] = {
        {"", "from_qstring, empty string", {}},
        {"!!!***", "from_qstring, base64 decode failed", {}},
        {"QQ==", "from_qstring, failed to read magic", {}},  // one byte
        {encoded(QByteArray(sample).replace(0, 1, "\xC7")), "from_qstring, wrong magic:-951169212", {}},
        {encoded(QByteArray(sample).replace(5, 1, "\x02")), "from_qstring, unsupported version:2", {}},
        {encoded(sample.left(5)), "from_qstring, failed to read version", {}},
        {encoded(decoded(cutTree).chopped(20)), "from_qstring, node deserialization failed", std::move(cutKept)},
        {encoded(deep), "GNode::from_stream, tree deeper than 256 levels", std::move(deepKept)},
        {encoded(sample + "trailing garbage"), "", test::samples().node()},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(row.line);
        test::LogCapture log;
        EXPECT_TRUE(GNode::from_qstring(row.text).equals(row.kept));
        if (row.line.empty()) {
            EXPECT_TRUE(log.texts().empty()) << testing::PrintToString(log.texts());
        } else {
            EXPECT_EQ(log.count(row.line), 1u) << testing::PrintToString(log.texts());
            EXPECT_LE(log.lines().front().level, gen::log::LEVEL_WARN);
        }
    }
}

TEST(GNodeText, ShowIndentsChildrenAndValuesHaveReadableForms)
{
    test::LogCapture log(gen::log::LEVEL_DEBUG);
    GNode tree;
    tree.set("a", 1);
    tree["kid"].set("b", 2);
    tree.show(0);
    EXPECT_EQ(log.texts(), (std::vector<std::string>{"{a={int, value:\"1\"}}", "  {kid}", "    {b={int, value:\"2\"}}"}));
    std::pair<QVariant, QString> const rows[] = {
        {QPoint(3, -4), "3,-4"},
        {QRect(1, 2, 3, 4), "1,2,3,4"},
        {QByteArray("\1\2\3\4\5\6\7\10\11\12\13\14"), "[12] = {1, 2, 3, 4, 5, ...,8, 9, 10, 11, 12}"},
        {QVariant::fromValue(gen::store::GType::from_pod(test::sample_log_config())),
         test::sample_log_config().to_string()},
        {17, "17"},
    };
    for (auto const& [value, text] : rows) {
        EXPECT_EQ(GNode::to_qstring(value), text);
    }
}
