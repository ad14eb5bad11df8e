#pragma once
// A tree of attribute maps with named children, its binary QDataStream form
// and its text form: Base64 of the magic "GNOD", version 1 and the binary
// tree. The text form is what the settings keep between runs.

#include <gen/store/GAttributes.h>

#include <QByteArray>
#include <QDataStream>
#include <QString>
#include <QVariant>

#include <map>

namespace gen::checksum {
class GMD5;
}

namespace gen::store {

class GNode : public GAttributes {
public:
    static constexpr qint32 MAGIC = 0x474E4F44;  // "GNOD"
    static constexpr qint16 VERSION = 1;
    // Deeper trees are refused when read, so that a crafted text cannot
    // exhaust the stack.
    static constexpr int MAX_DEPTH = 256;

    using Children = std::map<QString, GNode>;

    GNode() = default;
    GNode(GNode&& other) noexcept;
    GNode& operator=(GNode&& other) noexcept;
    GNode(GNode const&) = delete;
    GNode& operator=(GNode const&) = delete;

    // The child of that name, inserted empty when missing.
    GNode& operator[](QString const& name) { return ensure_node(name); }
    GNode& ensure_node(QString const& name);
    // The child of that name, or nullptr; never inserts.
    GNode const* find_node(QString const& name) const;
    Children const& children() const { return nodes; }
    bool remove_node(QString const& name) { return nodes.erase(name) > 0; }

    void to_stream(QDataStream& stream) const;
    // Replaces attributes and children by the stream's content; false (with
    // an ERROR line) on damage, keeping what was read before it.
    bool from_stream(QDataStream& stream);

    static QString to_qstring(GNode const& node);
    QString to_base_64_string() const { return to_qstring(*this); }
    // Never fails: an unreadable text gives an empty node, or the part read
    // before the damage, and one log line.
    static GNode from_qstring(QString const& text);
    static GNode from_base_64_string(QString const& text) { return from_qstring(text); }
    static qsizetype get_base64_length(GNode const& node) { return to_qstring(node).size(); }

    // Tree dump at DEBUG level.
    void show(unsigned int indent) const;

    // The digest covers the readable text of every attribute and the names
    // and structure of the children.
    void to_md5(gen::checksum::GMD5& md5) const;
    QByteArray get_md5() const;
    std::string get_md5_string(int flags) const;
    // Equal stored forms: same keys, types, values and children.
    bool equals(GNode const& other) const;
    bool operator==(GNode const& other) const { return equals(other); }

    // Readable text of one stored value.
    static QString to_qstring(QVariant const& value);

private:
    bool read_stream(QDataStream& stream, int depth);

    Children nodes;
};

}  // namespace gen::store
