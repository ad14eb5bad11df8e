#include <gen/store/GNode.h>

#include <gen/tools/GMD5.h>
#include <gen/tools/convert.h>
#include <gen/tools/xprintf.h>

#include <QIODevice>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>

namespace gen::store {

GNode::GNode(GNode&& other) noexcept
    : GAttributes(std::move(static_cast<GAttributes&>(other)))
    , nodes(std::move(other.nodes))
{
    other.clear();
    other.nodes.clear();
}

GNode& GNode::operator=(GNode&& other) noexcept
{
    if (this != &other) {
        static_cast<GAttributes&>(*this) = std::move(static_cast<GAttributes&>(other));
        nodes = std::move(other.nodes);
        other.clear();
        other.nodes.clear();
    }
    return *this;
}

GNode& GNode::ensure_node(QString const& name)
{
    return nodes[name];
}

GNode const* GNode::find_node(QString const& name) const
{
    auto it = nodes.find(name);
    return it == nodes.end() ? nullptr : &it->second;
}

void GNode::to_stream(QDataStream& stream) const
{
    GAttributes::to_stream(stream);
    stream << qint32(nodes.size());
    for (auto const& [name, child] : nodes) {
        stream << name;
        child.to_stream(stream);
    }
}

bool GNode::from_stream(QDataStream& stream)
{
    return read_stream(stream, 0);
}

bool GNode::read_stream(QDataStream& stream, int depth)
{
    // A failed attribute read leaves the stream's status not Ok, which the
    // child count below reports.
    GAttributes::from_stream(stream);
    nodes.clear();
    qint32 count = 0;
    stream >> count;
    if (stream.status() != QDataStream::Ok) {
        gen::pp_error("GAttributes::from_stream, read error!");
        return false;
    }
    if (count != 0 && depth >= MAX_DEPTH) {
        gen::pp_error("GNode::from_stream, tree deeper than $ levels", MAX_DEPTH);
        stream.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    for (quint32 index = 0; index < quint32(count); ++index) {
        QString name;
        if (!read_key(stream, index, name)) {
            return false;
        }
        GNode child;
        bool const complete = child.read_stream(stream, depth + 1);
        if (!complete || stream.status() != QDataStream::Ok) {
            gen::pp_error("GAttributes::from_stream, val read error!, at index:$", index);
            // What the child read before the damage is kept, as for attributes.
            nodes[name] = std::move(child);
            return false;
        }
        nodes[name] = std::move(child);
    }
    return true;
}

QString GNode::to_qstring(GNode const& node)
{
    QByteArray bytes;
    {
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream << MAGIC << VERSION;
        node.to_stream(stream);
    }
    return QString::fromLatin1(bytes.toBase64());
}

GNode GNode::from_qstring(QString const& text)
{
    GNode node;
    if (text.isEmpty()) {
        gen::pp_warn("from_qstring, empty string");
        return node;
    }
    QByteArray const bytes = QByteArray::fromBase64(text.toLatin1());
    if (bytes.isEmpty()) {
        gen::pp_error("from_qstring, base64 decode failed");
        return node;
    }
    QDataStream stream(bytes);
    qint32 magic = 0;
    stream >> magic;
    if (stream.status() != QDataStream::Ok) {
        gen::pp_error("from_qstring, failed to read magic");
        return node;
    }
    if (magic != MAGIC) {
        gen::pp_error("from_qstring, wrong magic:$", magic);
        return node;
    }
    qint16 version = 0;
    stream >> version;
    if (stream.status() != QDataStream::Ok) {
        gen::pp_error("from_qstring, failed to read version");
        return node;
    }
    if (version != VERSION) {
        gen::pp_error("from_qstring, unsupported version:$", static_cast<unsigned int>(static_cast<quint16>(version)));
        return node;
    }
    if (!node.from_stream(stream)) {
        gen::pp_error("from_qstring, node deserialization failed");
    } else if (stream.status() != QDataStream::Ok) {
        gen::pp_warn("from_qstring, stream ended with non-ok status");
    }
    return node;
}

void GNode::show(unsigned int indent) const
{
    if (!gen::log::is_level_active(gen::log::LEVEL_DEBUG)) {
        return;
    }
    gen::log::log_string(gen::log::LEVEL_DEBUG, gen::str::xprintF(indent, "{$}", to_string()));
    for (auto const& [name, child] : nodes) {
        gen::log::log_string(gen::log::LEVEL_DEBUG, gen::str::xprintF(indent + 2, "{$}", name));
        child.show(indent + 4);
    }
}

void GNode::to_md5(gen::checksum::GMD5& md5) const
{
    md5.add_string(to_string());
    for (auto const& [name, child] : nodes) {
        md5.add_string(name);
        child.to_md5(md5);
    }
}

QByteArray GNode::get_md5() const
{
    gen::checksum::GMD5 md5;
    to_md5(md5);
    return md5.get_result();
}

std::string GNode::get_md5_string(int flags) const
{
    return gen::checksum::GMD5::hash_string(get_md5(), flags);
}

bool GNode::equals(GNode const& other) const
{
    // The stored forms, not the digests: the digest covers readable texts,
    // which show only the size of a byte array and nothing of a rectangle.
    auto const stored = [](GNode const& node) {
        QByteArray bytes;
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        node.to_stream(stream);
        return bytes;
    };
    return stored(*this) == stored(other);
}

QString GNode::to_qstring(QVariant const& value)
{
    auto const formatted = [](auto const& geometry) { return QString::fromStdString(gen::str::xprintF(0, "$", geometry)); };
    switch (value.metaType().id()) {
    case QMetaType::QPoint:
        return formatted(value.toPoint());
    case QMetaType::QPointF:
        return formatted(value.toPointF());
    case QMetaType::QSize:
        return formatted(value.toSize());
    case QMetaType::QSizeF:
        return formatted(value.toSizeF());
    case QMetaType::QRect:
        return formatted(value.toRect());
    case QMetaType::QRectF:
        return formatted(value.toRectF());
    case QMetaType::QByteArray:
        return QString::fromStdString(gen::convert::to_string(value.toByteArray(), 10));
    default:
        break;
    }
    if (value.metaType() == QMetaType::fromType<GType>()) {
        return value.value<GType>().to_string();
    }
    return value.toString();
}

}  // namespace gen::store
