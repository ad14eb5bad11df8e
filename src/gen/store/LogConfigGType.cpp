#include <gen/store/LogConfigGType.h>

#include <QString>

namespace gen::store {

bool register_log_level_meta_type()
{
    using gen::log::LOG_LEVEL;
    static bool const registered = [] {
        qRegisterMetaType<LOG_LEVEL>("gen::log::LOG_LEVEL");
        // Qt converts integers to an enumeration by itself but not text;
        // command-line values arrive as text.
        QMetaType::registerConverterFunction(
            [](void const* from, void* to) {
                bool ok = false;
                int const level = static_cast<QString const*>(from)->trimmed().toInt(&ok);
                if (ok) {
                    *static_cast<LOG_LEVEL*>(to) = static_cast<LOG_LEVEL>(level);
                }
                return ok;
            },
            QMetaType::fromType<QString>(), QMetaType::fromType<LOG_LEVEL>());
        return true;
    }();
    return registered;
}

}  // namespace gen::store
