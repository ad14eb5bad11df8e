#include <gen/tools/GMD5.h>

#include <QtEndian>

#include <algorithm>

namespace gen::checksum {

GMD5::GMD5() = default;

void GMD5::add_bytes(void const* data, unsigned long long size)
{
    // QCryptographicHash takes sizes as qsizetype; feed huge blocks in parts.
    auto const* bytes = static_cast<char const*>(data);
    constexpr unsigned long long kChunk = 1ULL << 30;
    while (size > 0) {
        unsigned long long const n = std::min(size, kChunk);
        hash.addData(QByteArrayView(bytes, static_cast<qsizetype>(n)));
        bytes += n;
        size -= n;
    }
}

void GMD5::add_string(QString const& text)
{
    QByteArray const utf8 = text.toUtf8();
    quint64 const length = qToLittleEndian(static_cast<quint64>(utf8.size()));
    add_bytes(&length, sizeof length);
    add_bytes(utf8.constData(), static_cast<unsigned long long>(utf8.size()));
}

QByteArray GMD5::get_result() const
{
    return hash.result();
}

std::string GMD5::hash_string(QByteArray const& bytes, int flags)
{
    QByteArray hex = (flags & HASH_BLANKS) ? bytes.toHex(' ') : bytes.toHex();
    if (flags & HASH_UPPER_CASE) {
        hex = hex.toUpper();
    }
    return hex.toStdString();
}

}  // namespace gen::checksum
