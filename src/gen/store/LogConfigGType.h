#pragma once
// Makes the log configuration a stored type (id 99, its raw 16 bytes) and the
// log level a Qt meta-type that converts from numbers and numeric text. The
// log library sits below the store, so its types are registered from here;
// including this header is enough.

#include <gen/log/GLog.h>
#include <gen/log/LogConfig.h>
#include <gen/store/GType.h>

#include <QMetaType>

namespace gen::store {

template <>
struct gtype_traits<gen::log::LogConfig> {
    static constexpr unsigned int id = 99;
    static QString to_string(gen::log::LogConfig const& value) { return value.to_string(); }
};

// Meta-type "gen::log::LOG_LEVEL", streamed as a 32-bit integer, with
// converters from int, unsigned int and numeric QString (a text that is not
// a whole number does not convert). Idempotent.
bool register_log_level_meta_type();

namespace {
[[maybe_unused]] bool const reg_LogConfig = register_gtype<gen::log::LogConfig>() && register_log_level_meta_type();
}

}  // namespace gen::store

Q_DECLARE_METATYPE(gen::log::LOG_LEVEL)
