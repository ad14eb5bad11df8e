#include <gen/store/GNode.h>
#include <gen/store/LogConfigGType.h>

#include "support/RecordingSink.h"
#include "support/SampleNodes.h"

#include <QDataStream>
#include <QIODevice>
#include <QPoint>
#include <QRect>

#include <gtest/gtest.h>

using gen::log::LogConfig;
using gen::store::GNode;

namespace {

GNode sample_tree()
{
    GNode root = test::make_sample_node();
    root["Window"]["view"].set("rect", QRect(1, 2, 3, 4));
    return root;
}

QByteArray decoded(QString const& text)
{
    return QByteArray::fromBase64(text.toLatin1());
}

QString encoded(QByteArray const& bytes)
{
    return QString::fromLatin1(bytes.toBase64());
}

}  // namespace

TEST(GNodeText, EmptyNodeHasItsFixedForm)
{
    GNode empty;
    QString const text = GNode::to_qstring(empty);
    EXPECT_EQ(text, "R05PRAABAAAAAAAAAAA=");
    EXPECT_EQ(decoded(text), QByteArray::fromHex("474E4F44" "0001" "00000000" "00000000"));
    EXPECT_EQ(GNode::get_base64_length(empty), 20);

    test::RecordingSink sink;
    GNode const read = GNode::from_qstring(text);
    EXPECT_TRUE(read.empty());
    EXPECT_TRUE(read.children().empty());
    EXPECT_TRUE(sink.lines().empty());
}

TEST(GNodeText, TreeWithEveryKindRoundTrips)
{
    GNode const original = sample_tree();
    test::RecordingSink sink;
    GNode const read = GNode::from_base_64_string(original.to_base_64_string());
    EXPECT_TRUE(sink.lines().empty());
    EXPECT_TRUE(read.equals(original));
    EXPECT_EQ(test::sample_mismatches(read), std::vector<std::string>{});
    GNode const* view = read.find_node("Window") ? read.find_node("Window")->find_node("view") : nullptr;
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->get<QRect>("rect", {}), QRect(1, 2, 3, 4));
}

TEST(GNodeEquality, SeesValuesTypesAndStructure)
{
    GNode a = sample_tree();
    GNode b = sample_tree();
    EXPECT_TRUE(a == b);
    b["Window"]["view"].set("rect", QRect(1, 2, 3, 5));
    EXPECT_FALSE(a == b);

    GNode c = sample_tree();
    c.set("uint", int(4000000000u));  // same bits, other type
    EXPECT_FALSE(a.equals(c));

    GNode d = sample_tree();
    d["another"];
    EXPECT_FALSE(a.equals(d));

    // Values that read alike still differ.
    GNode g = sample_tree();
    QByteArray bytes = g.get<QByteArray>("bytes", {});
    bytes[0] = 'x';
    g.set("bytes", bytes);
    EXPECT_FALSE(a.equals(g));
    EXPECT_EQ(a.get_md5(), g.get_md5());  // the digest sees only the size

    // A value must not pass for a child name: the digest separates the parts.
    GNode e;
    e["x"];
    GNode f;
    f.set("x", QString());
    EXPECT_FALSE(e.equals(f));
    EXPECT_NE(e.get_md5(), f.get_md5());
    EXPECT_EQ(a.get_md5().size(), 16);
    EXPECT_EQ(a.get_md5_string(6).size(), 16u * 3 - 1);
}

TEST(GNodeChildren, IndexCreatesExactlyOneChild)
{
    GNode root;
    GNode& first = root["child"];
    first.set("v", 1);
    GNode& again = root.ensure_node("child");
    EXPECT_EQ(&first, &again);
    EXPECT_EQ(root.children().size(), 1u);
    EXPECT_EQ(root["child"].get<int>("v", 0), 1);
    EXPECT_EQ(root.find_node("nothing"), nullptr);
    EXPECT_EQ(root.children().size(), 1u);
}

TEST(GNodeChildren, MoveTakesTheWholeTree)
{
    GNode source = sample_tree();
    GNode target(std::move(source));
    EXPECT_TRUE(source.empty());  // NOLINT(bugprone-use-after-move): documented state
    EXPECT_TRUE(source.children().empty());
    EXPECT_TRUE(target.equals(sample_tree()));
    GNode other;
    other = std::move(target);
    EXPECT_TRUE(target.children().empty());
    EXPECT_TRUE(other.equals(sample_tree()));
}

TEST(GNodeRead, EmptyTextWarns)
{
    test::RecordingSink sink;
    GNode const read = GNode::from_qstring("");
    EXPECT_TRUE(read.empty());
    ASSERT_EQ(sink.lines().size(), 1u);
    EXPECT_EQ(sink.lines()[0].level, gen::log::LEVEL_WARN);
    EXPECT_EQ(sink.lines()[0].text, "from_qstring, empty string");
}

TEST(GNodeRead, TextThatIsNotBase64)
{
    test::RecordingSink sink;
    EXPECT_TRUE(GNode::from_qstring("!!!***").empty());
    EXPECT_TRUE(sink.contains("from_qstring, base64 decode failed"));
    sink.clear();
    EXPECT_TRUE(GNode::from_qstring("QQ==").empty());  // one byte: no magic
    EXPECT_TRUE(sink.contains("from_qstring, failed to read magic"));
}

TEST(GNodeRead, WrongMagicAndVersionAreRefused)
{
    test::RecordingSink sink;
    QByteArray bytes = decoded(GNode::to_qstring(sample_tree()));
    QByteArray wrongMagic = bytes;
    wrongMagic[0] = char(0xC7);
    EXPECT_TRUE(GNode::from_qstring(encoded(wrongMagic)).empty());
    EXPECT_TRUE(sink.contains("from_qstring, wrong magic:-951169212"));

    QByteArray version2 = bytes;
    version2[5] = 2;
    GNode const read = GNode::from_qstring(encoded(version2));
    EXPECT_TRUE(read.empty());
    EXPECT_TRUE(read.children().empty());
    EXPECT_TRUE(sink.contains("from_qstring, unsupported version:2"));

    sink.clear();
    EXPECT_TRUE(GNode::from_qstring(encoded(bytes.left(5))).empty());
    EXPECT_TRUE(sink.contains("from_qstring, failed to read version"));
}

TEST(GNodeRead, CutInsideAChildKeepsWhatCameBefore)
{
    GNode tree;
    tree.set("a", 1);
    tree["first"].set("x", 10);
    tree["second"].set("y", QString("a long enough text to cut into"));
    QByteArray const bytes = decoded(tree.to_base_64_string());

    test::RecordingSink sink;
    GNode const read = GNode::from_qstring(encoded(bytes.left(bytes.size() - 20)));
    EXPECT_TRUE(sink.contains("from_qstring, node deserialization failed"));
    EXPECT_EQ(read.get<int>("a", 0), 1);
    ASSERT_NE(read.find_node("first"), nullptr);
    EXPECT_EQ(read.find_node("first")->get<int>("x", 0), 10);
}

TEST(GNodeRead, BytesAfterTheRootAreIgnored)
{
    GNode const original = sample_tree();
    QByteArray bytes = decoded(original.to_base_64_string());
    bytes.append("trailing garbage");
    test::RecordingSink sink;
    EXPECT_TRUE(GNode::from_qstring(encoded(bytes)).equals(original));
    EXPECT_TRUE(sink.lines().empty());
}

TEST(GNodeRead, DeepTreesAreRefusedNotOverflowed)
{
    // Built by hand: each level is an empty attribute map, one child "c".
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << GNode::MAGIC << GNode::VERSION;
    int const levels = 100000;
    for (int i = 0; i < levels; ++i) {
        out << qint32(0) << qint32(1) << QString("c");
    }
    out << qint32(0) << qint32(0);
    test::RecordingSink sink;
    GNode const read = GNode::from_qstring(encoded(bytes));
    EXPECT_TRUE(sink.contains("from_qstring, node deserialization failed"));
    EXPECT_TRUE(sink.contains("deeper than"));
    EXPECT_NE(read.find_node("c"), nullptr);
}

TEST(GNodeShow, IndentsChildrenBelowTheirParent)
{
    test::LogLevelGuard level(gen::log::LEVEL_DEBUG);
    test::RecordingSink sink;
    GNode tree;
    tree.set("a", 1);
    tree["kid"].set("b", 2);
    tree.show(0);
    std::vector<std::string> const texts = sink.texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0], "{a={int, value:\"1\"}}");
    EXPECT_EQ(texts[1], "  {kid}");
    EXPECT_EQ(texts[2], "    {b={int, value:\"2\"}}");
}

TEST(GNodeValueText, ReadableFormsOfStoredValues)
{
    EXPECT_EQ(GNode::to_qstring(QVariant(QPoint(3, -4))), "3,-4");
    EXPECT_EQ(GNode::to_qstring(QVariant(QRect(1, 2, 3, 4))), "1,2,3,4");
    EXPECT_EQ(GNode::to_qstring(QVariant(QByteArray("\x01\xff", 2))), "[2] = {1, -1}");
    QByteArray longer;
    for (char c = 1; c <= 12; ++c) {
        longer.append(c);
    }
    EXPECT_EQ(GNode::to_qstring(QVariant(longer)), "[12] = {1, 2, 3, 4, 5, ...,8, 9, 10, 11, 12}");
    LogConfig config;
    EXPECT_EQ(GNode::to_qstring(QVariant::fromValue(gen::store::GType::from_pod(config))), config.to_string());
    EXPECT_EQ(GNode::to_qstring(QVariant(17)), "17");
}
