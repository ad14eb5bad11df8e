#pragma once
// A registered plain-data value: a type id plus the structure's raw memory
// image. Stored inside QVariant under the meta-type name "gen::store::GType",
// which is written into every serialised variant and so is a stored format.

#include <QByteArray>
#include <QDataStream>
#include <QMetaType>
#include <QString>

#include <any>
#include <cstring>
#include <functional>
#include <type_traits>
#include <unordered_map>

namespace gen::store {

// Each registered structure specialises this with
//   static constexpr unsigned int id;           // never 0
//   static QString to_string(T const& value);   // readable form
template <class T>
struct gtype_traits {
    static constexpr unsigned int id = 0;
};

using CreateFn = std::function<std::any(QByteArray const&)>;
using FormatFn = std::function<QString(std::any const&)>;

// Registries filled during static initialisation; constructed on first use
// so the order in which translation units initialise does not matter.
std::unordered_map<unsigned int, CreateFn>& create_registry();
std::unordered_map<unsigned int, FormatFn>& format_registry();

struct GType {
    unsigned int id = 0;
    QByteArray bytes;

    // The value rebuilt by the converter registered under `typeId`. Empty
    // when nothing is registered there or when `bytes` does not hold exactly
    // the registered structure's size.
    std::any create(unsigned int typeId) const;
    std::any create() const { return create(id); }

    // The registered readable form, or "GType{id:$, size:$}" (with a DEBUG
    // line) when there is no formatter or the bytes do not fit.
    QString to_string() const;

    QDataStream& to_QDataStream(QDataStream& stream) const;
    QDataStream& from_QDataStream(QDataStream& stream);

    template <class T>
    static GType from_pod(T const& value)
    {
        static_assert(std::is_trivially_copyable_v<T>);
        return GType{gtype_traits<T>::id,
                     QByteArray(reinterpret_cast<char const*>(&value), sizeof(T))};
    }
};

QDataStream& operator<<(QDataStream& stream, GType const& value);
QDataStream& operator>>(QDataStream& stream, GType& value);

// Registers GType with Qt's meta-type system under its stored name, with
// its stream operators and a converter to QString. Idempotent and cheap
// after the first call.
bool register_meta_type();

// Size of the structure registered under `id`, 0 when none is.
std::size_t registered_size(unsigned int id);

namespace detail {
std::unordered_map<unsigned int, std::size_t>& size_registry();
}

template <class T>
void register_type()
{
    static_assert(std::is_trivially_copyable_v<T>, "stored as its raw memory image");
    constexpr unsigned int id = gtype_traits<T>::id;
    static_assert(id != 0, "gtype_traits<T> must give the type an id");
    detail::size_registry()[id] = sizeof(T);
    create_registry()[id] = [](QByteArray const& bytes) -> std::any {
        T value;
        std::memcpy(static_cast<void*>(&value), bytes.constData(), sizeof(T));
        return value;
    };
}

template <class T>
bool register_gtype()
{
    register_meta_type();
    register_type<T>();
    format_registry()[gtype_traits<T>::id] = [](std::any const& value) {
        return gtype_traits<T>::to_string(std::any_cast<T const&>(value));
    };
    return true;
}

}  // namespace gen::store

Q_DECLARE_METATYPE(gen::store::GType)
