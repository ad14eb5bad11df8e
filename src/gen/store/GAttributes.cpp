#include <gen/store/GAttributes.h>

#include <gen/tools/convert.h>
#include <gen/store/StreamCheck.h>

#include <QVarLengthArray>

#include <algorithm>

namespace gen::store {

QString GAttributes::to_string() const
{
    QString text;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        text += it.key();
        text += u'=';
        text += gen::convert::to_qstring_basic_info(it.value());
        text += u',';
    }
    text.chop(1);
    return text;
}

void GAttributes::to_stream(QDataStream& stream) const
{
    // A value the reader would refuse would end the read there and lose
    // every entry and child after it; such a value is left out instead.
    QVarLengthArray<bool, 32> kept;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        kept.append(stream_check::storable(it.value()));
        if (!kept.back()) {
            gen::pp_warn("GAttributes::to_stream, '$' left out, its kind of value cannot be read back", it.key());
        }
    }
    stream << qint32(std::count(kept.cbegin(), kept.cend(), true));
    qsizetype index = 0;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        if (kept[index++]) {
            stream << it.key() << it.value();
        }
    }
}

bool GAttributes::read_key(QDataStream& stream, quint32 index, QString& key)
{
    if (stream_check::next_qstring(stream)) {
        stream >> key;
    }
    if (stream.status() != QDataStream::Ok) {
        gen::pp_error("GAttributes::from_stream, key read error!, at index:$", index);
        return false;
    }
    return true;
}

bool GAttributes::from_stream(QDataStream& stream)
{
    entries.clear();
    qint32 count = 0;
    stream >> count;
    if (stream.status() != QDataStream::Ok) {
        gen::pp_error("GAttributes::from_stream, read error!");
        return false;
    }
    // Each entry consumes bytes, so a damaged count ends at the first entry
    // that is not there; nothing is reserved for it.
    for (quint32 index = 0; index < quint32(count); ++index) {
        QString key;
        if (!read_key(stream, index, key)) {
            return false;
        }
        QVariant value;
        if (stream_check::next_variant(stream)) {
            stream >> value;
        }
        if (stream.status() != QDataStream::Ok) {
            gen::pp_error("GAttributes::from_stream, val read error!, at index:$", index);
            return false;
        }
        entries.insert(key, value);
    }
    return true;
}

}  // namespace gen::store
