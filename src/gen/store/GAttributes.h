#pragma once
// An ordered QString -> QVariant map with typed reads, defaults that are
// inserted on first read, boolean flags, raw storage of registered
// plain-data structures (GType) and a QDataStream form that is part of the
// stored node format.

#include <gen/log/pp.h>
#include <gen/log/fatal.h>
#include <gen/store/GType.h>

#include <QDataStream>
#include <QMap>
#include <QString>
#include <QVariant>

#include <type_traits>

namespace gen::store {

class GAttributes {
public:
    using Map = QMap<QString, QVariant>;

    // Exact-type read: the stored value when its meta-type is exactly T's,
    // else `def` (with a TRACE line). Never converts, never changes the map.
    template <class T>
    T get(QString const& key, T const& def) const;

    // Read with Qt's conversion; an absent key is stored with `def` first.
    // A value that does not convert keeps its place and gives `def` with a
    // WARN line.
    template <class T>
    T ensure(QString const& key, T const& def);

    bool is_flag(QString const& key, bool def = false) const { return get<bool>(key, def); }
    void set_flag(QString const& key, bool value) { entries.insert(key, QVariant(value)); }

    // Stores the value as itself; enumerations keep their own meta-type.
    template <class T>
    void set(QString const& key, T const& value);

    // Registered plain-data structures kept as their raw bytes.
    template <class T>
    void set_pod(QString const& key, T const& value);
    // `def` when the key is absent; a default-constructed T when the stored
    // value is not a GType of T's id and size.
    template <class T>
    T get_pod(QString const& key, T const& def) const;

    bool contains(QString const& key) const { return entries.contains(key); }
    bool remove(QString const& key) { return entries.remove(key) > 0; }
    void clear() { entries.clear(); }
    qsizetype size() const { return entries.size(); }
    bool empty() const { return entries.isEmpty(); }
    Map const& values() const { return entries; }

    // "key=value," for each entry in key order, without the last comma.
    QString to_string() const;

    void to_stream(QDataStream& stream) const;
    // Replaces the map by the stream's content. On a damaged stream: false,
    // an ERROR line, the entries read before the damage, and a stream whose
    // status is no longer Ok. Lengths and counts are checked against the
    // bytes left before anything is allocated for them.
    bool from_stream(QDataStream& stream);

    bool operator==(GAttributes const& other) const { return entries == other.entries; }

protected:
    // Reads the key of entry `index` (attribute or child name) after checking
    // it fits in the stream; false with the ERROR line otherwise.
    static bool read_key(QDataStream& stream, quint32 index, QString& key);

private:
    Map entries;
};

// ---- templates -------------------------------------------------------------

template <class T>
T GAttributes::get(QString const& key, T const& def) const
{
    auto it = entries.constFind(key);
    if (it == entries.cend()) {
        gen::pp_trace("GAttributes::get, '$' not found", key);
        return def;
    }
    if (it->isNull() || it->metaType() != QMetaType::fromType<T>()) {
        gen::pp_trace("GAttributes::get, wrong type");
        return def;
    }
    return it->template value<T>();
}

template <class T>
T GAttributes::ensure(QString const& key, T const& def)
{
    auto it = entries.constFind(key);
    if (it == entries.cend()) {
        set(key, def);
        return def;
    }
    if (!it->isNull()) {
        if (it->metaType() == QMetaType::fromType<T>()) {
            return it->template value<T>();
        }
        QVariant converted = *it;
        if (converted.convert(QMetaType::fromType<T>())) {
            return converted.template value<T>();
        }
    }
    gen::pp_warn("GAttributes::get, '$' type conversion problem", key);
    return def;
}

template <class T>
void GAttributes::set(QString const& key, T const& value)
{
    if constexpr (std::is_same_v<T, QVariant>) {
        entries.insert(key, value);
    } else if constexpr (std::is_enum_v<T> || !std::is_constructible_v<QVariant, T const&>) {
        entries.insert(key, QVariant::fromValue(value));
    } else {
        entries.insert(key, QVariant(value));
    }
}

template <class T>
void GAttributes::set_pod(QString const& key, T const& value)
{
    GType stored = GType::from_pod(value);
    if (stored.id == 0) {
        gen::exit_fatal("GAttributes::set_pod, id == 0");
    }
    entries.insert(key, QVariant::fromValue(stored));
}

template <class T>
T GAttributes::get_pod(QString const& key, T const& def) const
{
    if (!entries.contains(key)) {
        gen::pp_trace("GAttributes::get_pod, <<<$>>> not found !", key);
        return def;
    }
    GType const stored = get<GType>(key, GType{});
    T value{};
    if (stored.id == gtype_traits<T>::id && stored.bytes.size() == qsizetype(sizeof(T))) {
        std::memcpy(static_cast<void*>(&value), stored.bytes.constData(), sizeof(T));
    }
    return value;
}

}  // namespace gen::store
