#pragma once
// MD5 accumulator over Qt's QCryptographicHash; the node tree fingerprints
// its content with it.

#include <QByteArray>
#include <QCryptographicHash>
#include <QString>

#include <string>

namespace gen::checksum {

class GMD5 {
public:
    // Flags of hash_string.
    enum : int { HASH_UPPER_CASE = 2, HASH_BLANKS = 4 };

    GMD5();

    void add_bytes(void const* data, unsigned long long size);
    // The UTF-8 byte count as an 8-byte little-endian integer, then the
    // UTF-8 bytes, so that consecutive strings cannot run into each other.
    void add_string(QString const& text);
    // The 16-byte digest of everything added so far; more may be added after.
    QByteArray get_result() const;

    // Two hexadecimal digits per byte, lower-case unless HASH_UPPER_CASE;
    // with HASH_BLANKS single blanks between the bytes.
    static std::string hash_string(QByteArray const& bytes, int flags);

private:
    QCryptographicHash hash{QCryptographicHash::Md5};
};

}  // namespace gen::checksum
