#include <gen/tools/GMD5.h>

#include <QCryptographicHash>

#include <gtest/gtest.h>

#include <string>

using gen::checksum::GMD5;

namespace {

std::string hex_of(GMD5 const& md5)
{
    return GMD5::hash_string(md5.get_result(), 0);
}

}  // namespace

TEST(GMD5, KnownDigests)
{
    // RFC 1321 test suite.
    GMD5 empty;
    EXPECT_EQ(hex_of(empty), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(empty.get_result().size(), 16);

    GMD5 abc;
    abc.add_bytes("abc", 3);
    EXPECT_EQ(hex_of(abc), "900150983cd24fb0d6963f7d28e17f72");

    // The same bytes in pieces, with an empty piece between.
    GMD5 pieces;
    pieces.add_bytes("message ", 8);
    pieces.add_bytes("", 0);
    pieces.add_bytes("digest", 6);
    EXPECT_EQ(hex_of(pieces), "f96b697d7cb7938d525a2f31aaf161d0");
}

TEST(GMD5, StringsCarryTheirLength)
{
    // "Grüße" is 7 UTF-8 bytes: the prefix is 7 as an 8-byte little-endian number.
    QByteArray expected("\x07\x00\x00\x00\x00\x00\x00\x00", 8);
    expected += QByteArray("Gr\xC3\xBC\xC3\x9F" "e");
    GMD5 md5;
    md5.add_string(QString::fromUtf8("Grüße"));
    EXPECT_EQ(md5.get_result(), QCryptographicHash::hash(expected, QCryptographicHash::Md5));

    GMD5 empty;
    empty.add_string(QString());
    EXPECT_EQ(empty.get_result(), QCryptographicHash::hash(QByteArray(8, '\0'), QCryptographicHash::Md5));

    // The prefix keeps "ab" + "c" apart from "a" + "bc".
    GMD5 first;
    first.add_string("ab");
    first.add_string("c");
    GMD5 second;
    second.add_string("a");
    second.add_string("bc");
    EXPECT_NE(first.get_result(), second.get_result());
}

TEST(GMD5, HashString)
{
    QByteArray const bytes("\xAB\x01", 2);
    EXPECT_EQ(GMD5::hash_string(bytes, 0), "ab01");
    EXPECT_EQ(GMD5::hash_string(bytes, 2), "AB01");
    EXPECT_EQ(GMD5::hash_string(bytes, 4), "ab 01");
    EXPECT_EQ(GMD5::hash_string(bytes, 6), "AB 01");
    EXPECT_EQ(GMD5::hash_string(QByteArray("\x0F", 1), 6), "0F");
    EXPECT_EQ(GMD5::hash_string(QByteArray(), 6), "");
}
