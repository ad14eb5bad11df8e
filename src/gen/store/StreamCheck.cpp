#include <gen/store/StreamCheck.h>

#include <gen/log/pp.h>
#include <gen/store/GType.h>
#include <gen/store/LogConfigGType.h>

#include <QBuffer>
#include <QIODevice>
#include <QMetaType>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <optional>

namespace gen::store::stream_check {

namespace {

constexpr quint32 NULL_LENGTH = 0xFFFFFFFFu;
constexpr qsizetype DAMAGED = -1;

// Reads fixed-size fields from the front of a byte range in the stream's
// byte order; remembers whether it ran past the end.
class Cursor {
public:
    Cursor(QByteArrayView data, QDataStream const& stream)
        : bytes(data)
        , bigEndian(stream.byteOrder() == QDataStream::BigEndian)
        , singlePrecision(stream.floatingPointPrecision() == QDataStream::SinglePrecision)
    {
    }

    std::optional<quint32> u32()
    {
        if (left() < 4) {
            return std::nullopt;
        }
        quint32 value = 0;
        std::memcpy(&value, bytes.data() + pos, 4);
        pos += 4;
        return bigEndian ? qFromBigEndian(value) : qFromLittleEndian(value);
    }

    std::optional<quint8> u8()
    {
        if (left() < 1) {
            return std::nullopt;
        }
        return quint8(bytes[pos++]);
    }

    bool skip(qsizetype count)
    {
        if (count < 0 || left() < count) {
            return false;
        }
        pos += count;
        return true;
    }

    qsizetype left() const { return bytes.size() - pos; }
    qsizetype used() const { return pos; }
    qsizetype floating_size() const { return singlePrecision ? 4 : 8; }

    bool string();
    bool byte_array();
    bool variant(int depth);

private:
    bool variant_data(int type, int depth);
    bool user_type();
    bool date_time();
    template <class Element>
    bool list(qsizetype minElementSize, Element element);

    QByteArrayView bytes;
    qsizetype pos = 0;
    bool bigEndian;
    bool singlePrecision;
};

bool Cursor::string()
{
    auto const length = u32();
    if (!length) {
        return false;
    }
    if (*length == NULL_LENGTH) {
        return true;
    }
    // UTF-16: an odd byte count is damage.
    return (*length % 2) == 0 && skip(*length);
}

bool Cursor::byte_array()
{
    auto const length = u32();
    return length && (*length == NULL_LENGTH || skip(*length));
}

template <class Element>
bool Cursor::list(qsizetype minElementSize, Element element)
{
    auto const count = u32();
    if (!count) {
        return false;
    }
    // A count that the bytes left cannot hold is damage. Checked first: Qt
    // reserves room for the whole count before it reads an element.
    if (qsizetype(*count) > left() / minElementSize) {
        return false;
    }
    for (quint32 i = 0; i < *count; ++i) {
        if (!element()) {
            return false;
        }
    }
    return true;
}

bool Cursor::date_time()
{
    if (!skip(8 + 4)) {  // date as Julian day, time of day in milliseconds
        return false;
    }
    auto const timeSpec = u8();
    if (!timeSpec) {
        return false;
    }
    switch (*timeSpec) {
    case Qt::LocalTime:
    case Qt::UTC:
        return true;
    case Qt::OffsetFromUTC:
        return skip(4);
    case Qt::TimeZone:
        return string();  // the zone's id
    default:
        return false;
    }
}

bool Cursor::user_type()
{
    auto const length = u32();
    if (!length || *length == NULL_LENGTH || qsizetype(*length) > left()) {
        return false;
    }
    QByteArrayView name = bytes.sliced(pos, *length);
    pos += *length;
    if (name.endsWith('\0')) {
        name.chop(1);
    }
    if (name == "gen::store::GType") {
        return skip(4) && byte_array();
    }
    if (name == "gen::log::LOG_LEVEL") {
        return skip(4);
    }
    return false;
}

bool Cursor::variant(int depth)
{
    if (depth > MAX_NESTING) {
        // The cause is known only here; the reader names just the entry.
        gen::pp_error("stream_check, value nested deeper than $ levels", MAX_NESTING);
        return false;
    }
    auto const type = u32();
    if (!type || !skip(1)) {  // type id, then the null flag
        return false;
    }
    if (*type == QMetaType::User) {
        return user_type();
    }
    return variant_data(int(*type), depth);
}

bool Cursor::variant_data(int type, int depth)
{
    auto const nested = [this, depth] { return variant(depth + 1); };
    auto const keyed = [this, depth] { return string() && variant(depth + 1); };
    switch (type) {
    case QMetaType::UnknownType:  // an invalid variant carries no data
    case QMetaType::Nullptr:
        return true;
    case QMetaType::Bool:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return skip(1);
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::QChar:
        return skip(2);
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::QTime:
        return skip(4);
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::QDate:
    case QMetaType::QPoint:
    case QMetaType::QSize:
        return skip(8);
    case QMetaType::Double:
    case QMetaType::Float:
        return skip(floating_size());
    case QMetaType::QPointF:
    case QMetaType::QSizeF:
        return skip(2 * floating_size());
    case QMetaType::QRect:
    case QMetaType::QLine:
    case QMetaType::QUuid:
        return skip(16);
    case QMetaType::QRectF:
    case QMetaType::QLineF:
        return skip(4 * floating_size());
    case QMetaType::QColor:  // colour model, then alpha, red, green, blue and padding
        return skip(1 + 5 * 2);
    case QMetaType::QDateTime:
        return date_time();
    case QMetaType::QString:
        return string();
    case QMetaType::QByteArray:
    case QMetaType::QUrl:
        return byte_array();
    case QMetaType::QStringList:
        return list(4, [this] { return string(); });
    case QMetaType::QByteArrayList:
        return list(4, [this] { return byte_array(); });
    case QMetaType::QVariantList:
        return list(5, nested);
    case QMetaType::QVariantMap:
    case QMetaType::QVariantHash:
        return list(9, keyed);
    default:
        return false;
    }
}

bool storable_at(QVariant const& value, int depth)
{
    if (depth > MAX_NESTING) {
        return false;
    }
    auto const all_storable = [depth](auto const& values) {
        return std::all_of(values.cbegin(), values.cend(),
                           [depth](QVariant const& element) { return storable_at(element, depth + 1); });
    };
    int const type = value.metaType().id();
    switch (type) {
    case QMetaType::QVariantList:
        return all_storable(value.toList());
    case QMetaType::QVariantMap:
        return all_storable(value.toMap());
    case QMetaType::QVariantHash:
        return all_storable(value.toHash());
    case QMetaType::QDateTime:
    case QMetaType::QColor:
        return true;
    default:
        break;
    }
    if (value.metaType() == QMetaType::fromType<GType>() ||
        value.metaType() == QMetaType::fromType<gen::log::LOG_LEVEL>()) {
        return true;
    }
    // The fixed-size and length-prefixed kinds: measured on an empty
    // encoding of their type, which the checks accept or refuse by type id.
    if (type >= QMetaType::User) {
        return false;
    }
    char probe[64] = {};
    qToBigEndian(quint32(type), probe);
    static QDataStream const defaultStream;
    return variant_size(QByteArrayView(probe, sizeof probe), defaultStream) >= 0;
}

// The bytes the stream has not read yet; without a copy for in-memory
// streams, which is how nodes are read.
QByteArrayView unread(QDataStream& stream, QByteArray& holder)
{
    QIODevice* device = stream.device();
    if (device == nullptr) {
        return {};
    }
    if (auto* buffer = qobject_cast<QBuffer*>(device)) {
        QByteArray const& data = buffer->data();
        qint64 const pos = buffer->pos();
        if (pos < 0 || pos > data.size()) {
            return {};
        }
        return QByteArrayView(data).sliced(pos);
    }
    holder = device->peek(device->bytesAvailable());
    return holder;
}

template <class Measure>
bool check_next(QDataStream& stream, Measure measure)
{
    if (stream.status() != QDataStream::Ok) {
        return false;
    }
    QByteArray holder;
    QByteArrayView const data = unread(stream, holder);
    if (measure(data, stream) >= 0) {
        return true;
    }
    // Four bytes do not even hold a length: the data stops here rather than
    // being wrong.
    stream.setStatus(data.size() < 4 ? QDataStream::ReadPastEnd : QDataStream::ReadCorruptData);
    return false;
}

}  // namespace

qsizetype qstring_size(QByteArrayView data, QDataStream const& stream)
{
    Cursor cursor(data, stream);
    return cursor.string() ? cursor.used() : DAMAGED;
}

qsizetype variant_size(QByteArrayView data, QDataStream const& stream)
{
    Cursor cursor(data, stream);
    return cursor.variant(0) ? cursor.used() : DAMAGED;
}

bool storable(QVariant const& value)
{
    return storable_at(value, 0);
}

bool next_qstring(QDataStream& stream)
{
    return check_next(stream, qstring_size);
}

bool next_variant(QDataStream& stream)
{
    return check_next(stream, variant_size);
}

}  // namespace gen::store::stream_check
