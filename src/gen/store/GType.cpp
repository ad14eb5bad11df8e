#include <gen/store/GType.h>

#include <gen/log/pp.h>
#include <gen/tools/xprintf.h>

namespace gen::store {

std::unordered_map<unsigned int, CreateFn>& create_registry()
{
    static std::unordered_map<unsigned int, CreateFn> registry;
    return registry;
}

std::unordered_map<unsigned int, FormatFn>& format_registry()
{
    static std::unordered_map<unsigned int, FormatFn> registry;
    return registry;
}

namespace detail {
std::unordered_map<unsigned int, std::size_t>& size_registry()
{
    static std::unordered_map<unsigned int, std::size_t> registry;
    return registry;
}
}  // namespace detail

std::size_t registered_size(unsigned int id)
{
    auto const& sizes = detail::size_registry();
    auto it = sizes.find(id);
    return it == sizes.end() ? 0 : it->second;
}

std::any GType::create(unsigned int typeId) const
{
    auto const& registry = create_registry();
    auto it = registry.find(typeId);
    if (it == registry.end()) {
        return {};
    }
    // The converter copies the structure's full size: a shorter array would
    // be read past its end, a longer one is not this structure.
    if (registered_size(typeId) != std::size_t(bytes.size())) {
        return {};
    }
    return it->second(bytes);
}

QString GType::to_string() const
{
    auto const& formatters = format_registry();
    auto it = formatters.find(id);
    if (it != formatters.end()) {
        std::any value = create(id);
        if (value.has_value()) {
            return it->second(value);
        }
    }
    gen::pp("GType::to_string - formatter id:$ not found", id);
    return QString::fromStdString(gen::str::xprintF(0, "GType{id:$, size:$}", id, bytes.size()));
}

QDataStream& GType::to_QDataStream(QDataStream& stream) const
{
    return stream << qint32(id) << bytes;
}

QDataStream& GType::from_QDataStream(QDataStream& stream)
{
    qint32 storedId = 0;
    stream >> storedId >> bytes;
    id = static_cast<unsigned int>(storedId);
    return stream;
}

QDataStream& operator<<(QDataStream& stream, GType const& value)
{
    return value.to_QDataStream(stream);
}

QDataStream& operator>>(QDataStream& stream, GType& value)
{
    return value.from_QDataStream(stream);
}

bool register_meta_type()
{
    static bool const registered = [] {
        qRegisterMetaType<GType>("gen::store::GType");
        QMetaType::registerConverter<GType, QString>(&GType::to_string);
        return true;
    }();
    return registered;
}

}  // namespace gen::store
