#include <gen/tools/GMD5.h>

#include <QCryptographicHash>

#include <gtest/gtest.h>

#include <cstring>

using gen::checksum::GMD5;

TEST(GMD5, KnownDigestsHexFormsAndLengthPrefixedStrings)
{
    auto md5 = [](std::initializer_list<char const*> pieces, std::initializer_list<QString> texts = {}) {
        GMD5 sum;
        for (char const* piece : pieces) {
            sum.add_bytes(piece, std::strlen(piece));
        }
        for (QString const& text : texts) {
            sum.add_string(text);
        }
        return sum.get_result();
    };
    // RFC 1321 test suite; the same bytes in pieces, with an empty piece between.
    EXPECT_EQ(GMD5::hash_string(md5({}), 0), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(GMD5::hash_string(md5({"message ", "", "digest"}), 0), "f96b697d7cb7938d525a2f31aaf161d0");
    EXPECT_EQ(GMD5::hash_string(md5({"abc"}), GMD5::HASH_UPPER_CASE | GMD5::HASH_BLANKS),
              "90 01 50 98 3C D2 4F B0 D6 96 3F 7D 28 E1 7F 72");
    // Strings carry their UTF-8 length ("Grüße": 7) as an 8-byte little-endian
    // prefix, which keeps "ab" + "c" apart from "a" + "bc".
    QByteArray const prefixed = QByteArray("\x07\x00\x00\x00\x00\x00\x00\x00", 8) + "Gr\xC3\xBC\xC3\x9F" "e";
    EXPECT_EQ(md5({}, {QString::fromUtf8("Grüße")}), QCryptographicHash::hash(prefixed, QCryptographicHash::Md5));
    EXPECT_NE(md5({}, {"ab", "c"}), md5({}, {"a", "bc"}));
}
