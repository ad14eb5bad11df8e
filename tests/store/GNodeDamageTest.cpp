// Stored node texts come from a settings file that may have been damaged on
// disk or edited by hand. Every such text must be read promptly, without a
// crash and without allocating more than a small multiple of its size.
#include <gen/store/GNode.h>

#include "support/LogCapture.h"
#include "support/SampleNodes.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <utility>

using gen::store::GNode;

namespace {

// The largest single heap request while `probing`, seen by standing in for
// glibc's malloc and realloc (AddressSanitizer owns the allocator), which
// is all Qt's containers use.
std::atomic<bool> probing{false};
std::atomic<std::size_t> largest{0};

void note(std::size_t size)
{
    std::size_t seen = largest.load();
    while (probing.load(std::memory_order_relaxed) && size > seen && !largest.compare_exchange_weak(seen, size)) {
    }
}

QByteArray u32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

// One random damage: a bit flip, a cut, a splice of another text or an absurd count.
QByteArray damaged(QByteArray bytes, std::vector<QByteArray> const& donors, std::mt19937& random)
{
    auto pick = [&random](qsizetype bound) {
        return bound <= 0 ? qsizetype(0) : qsizetype(std::uniform_int_distribution<qsizetype>(0, bound - 1)(random));
    };
    static constexpr quint32 absurd[] = {0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu, 0xFFFFFFFEu, 1u << 24, 4097u};
    qsizetype const kind = pick(5);
    qsizetype const at = pick(bytes.size() - (kind >= 3 ? 3 : 0));
    if (kind == 0 && !bytes.isEmpty()) {
        bytes[at] ^= char(1 << pick(8));
    } else if (kind == 1) {
        bytes.truncate(pick(bytes.size() + 1));
    } else if (kind == 2) {
        QByteArray const& donor = donors[std::size_t(pick(qsizetype(donors.size())))];
        qsizetype const from = pick(donor.size());
        bytes.insert(pick(bytes.size() + 1), donor.mid(from, pick(donor.size() - from + 1)));
    } else if (kind >= 3 && bytes.size() >= 4) {
        bytes.replace(at, 4, u32(absurd[pick(6)]));
    }
    return bytes;
}

// Generous for Qt's own small buffers, far below what a trusted damaged length takes.
GNode read_within_bound(QByteArray const& bytes)
{
    QString const text = QString::fromLatin1(bytes.toBase64());
    largest = 0;
    probing = true;
    GNode read = GNode::from_qstring(text);
    probing = false;
    EXPECT_LE(largest.load(), std::size_t(text.size()) * 8 + 64 * 1024);
    return read;
}

}  // namespace

#ifndef __SANITIZE_ADDRESS__
// Forwarded to glibc's own allocator, so blocks may be freed by either side.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void* malloc(std::size_t size) { return note(size), __libc_malloc(size); }
void* realloc(void* block, std::size_t size) { return note(size), __libc_realloc(block, size); }
}
#endif

TEST(GNodeDamage, MutatedTextsAreReadWithinBoundsAndDamagedTextsFailAtOnceWithTheirCauseKeepingWhatCameBefore)
{
    test::LogCapture log(gen::log::LEVEL_ERROR);
    std::vector<QByteArray> originals;
    for (QString const& text : test::samples().texts()) {
        originals.push_back(QByteArray::fromBase64(text.toLatin1()));
    }
    std::mt19937 random(20028);
    int failures = 0;
    for (int round = 0; round < 4000; ++round) {
        QByteArray bytes = originals[std::size_t(round) % originals.size()];
        for (int i = 1 + int(random() % 3); i > 0; --i) {
            bytes = damaged(bytes, originals, random);
        }
        SCOPED_TRACE(testing::Message() << "round " << round << ": " << bytes.toBase64().toStdString());
        log.clear();  // keeps its room: recording must not allocate within the probe
        GNode const read = read_within_bound(bytes);
        ASSERT_FALSE(HasFailure());
        // Whatever was read is a sound tree: written and read again, it stays the same.
        ASSERT_TRUE(GNode::from_qstring(read.to_base_64_string()).equals(read));
        failures += read.empty() ? 1 : 0;
    }
    EXPECT_GT(failures, 500);  // the damage really hit
    // Each row: a damaged text, a line it logs (if empty, none) and what is kept.
    QByteArray const header = QByteArray("GNOD\0\1", 6);
    // A value of `type` (not null) under the key "k".
    auto const value = [&](quint32 type) { return header + u32(1) + u32(2) + QByteArray("\0k", 2) + u32(type) + '\0'; };
    auto const user = [&](QByteArray const& name) { return value(QMetaType::User) + u32(name.size() + 1) + name + '\0'; };
    QByteArray nested = value(QMetaType::QVariantList);
    for (int i = 1; i < 100000; ++i) {
        nested += u32(1) + u32(QMetaType::QVariantList) + '\0';
    }
    nested += u32(0) + u32(0);  // the innermost list is empty; no children
    // Each level an empty attribute map and one child "c"; 256 are kept.
    QByteArray deep = header;
    for (int i = 0; i < 100000; ++i) {
        deep += u32(0) + u32(1) + u32(2) + QByteArray("\0c", 2);
    }
    deep += u32(0) + u32(0);
    GNode deepKept;
    GNode* level = &deepKept;
    for (int i = 0; i < 256; ++i) {
        level = &(*level)["c"];
    }
    GNode cutKept;  // what came before the damage, in the root and in the child
    cutKept.set("k", 7);
    cutKept["c"];
    std::string const keyError = "GAttributes::from_stream, key read error!, at index:0";
    std::string const valueError = "GAttributes::from_stream, val read error!, at index:0";
    struct Row { QByteArray bytes; std::string line; GNode kept = {}; };
    Row const rows[] = {
        {QByteArray(), "from_qstring, empty string"},
        {QByteArray("A"), "from_qstring, failed to read magic"},
        {QByteArray(header).replace(0, 1, "\xC7"), "from_qstring, wrong magic:-951169212"},
        {QByteArray(header).replace(5, 1, "\x02"), "from_qstring, unsupported version:2"},
        {header.left(5), "from_qstring, failed to read version"},
        {header + u32(0) + u32(0) + "trailing garbage", ""},
        {value(QMetaType::Int) + u32(7) + u32(1) + u32(2) + QByteArray("\0c", 2) + u32(1),
         "from_qstring, node deserialization failed", std::move(cutKept)},
        {deep, "GNode::from_stream, tree deeper than 256 levels", std::move(deepKept)},
        {header, "GAttributes::from_stream, read error!"},  // no count
        {header + u32(0x80000000u) + QByteArray(30, 'a'), keyError},           // attribute count 2^31
        {header + u32(0) + u32(0x7FFFFFFFu) + QByteArray(26, 'a'), keyError},  // child count 2^31
        {header + u32(1) + u32(0xFFFFFFFEu) + QByteArray(26, 'a'), keyError},  // key length 4 GiB
        {value(QMetaType::QByteArray) + u32(0xFFFFFFFEu) + QByteArray(12, 'a'), valueError},
        // Qt would reserve room for every entry before reading one.
        {value(QMetaType::QStringList) + u32(0x80000000u) + QByteArray(12, 'a'), valueError},
        {user("evil") + QByteArray(8, 'a'), valueError},
        {value(QMetaType::User) + u32(0x7FFFFFFFu) + QByteArray(12, 'a'), valueError},  // type name 2 GiB
        {user("gen::store::GType") + u32(99) + u32(0xFFFFFFF0u) + u32(0), valueError},  // structure 4 GiB
        {value(QMetaType::QPolygon) + u32(0) + u32(0), valueError},                     // kind no node holds
        {value(QMetaType::QString) + u32(3) + "abc" + u32(0), valueError},              // UTF-16 of odd length
        {value(QMetaType::QDateTime) + QByteArray(12, '\0') + char(7) + u32(0), valueError},  // unknown time kind
        // A date-time with its UTC offset, then a list of 2^31 texts: measured
        // one field short, the offset would pass for the next entry.
        {value(QMetaType::QVariantList) + u32(2) + u32(QMetaType::QDateTime) + '\0' + QByteArray(12, '\0') +
             char(Qt::OffsetFromUTC) + u32(QMetaType::Int) + u32(QMetaType::QStringList) + '\0' + u32(0x80000000u) +
             QByteArray(12, 'a'),
         valueError},
        // Qt would read it recursively, a few stack frames per level.
        {nested, "stream_check, value nested deeper than 32 levels"},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(row.line + " " + row.bytes.left(40).toHex().toStdString());
        test::LogCapture log;
        EXPECT_TRUE(read_within_bound(row.bytes).equals(row.kept));
        EXPECT_EQ(log.count(row.line) > 0, !row.line.empty()) << testing::PrintToString(log.texts());
        EXPECT_TRUE(log.texts().empty() || log.lines().front().level <= gen::log::LEVEL_WARN);
    }
}

