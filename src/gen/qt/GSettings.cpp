#include <gen/qt/GSettings.h>

#include <gen/log/fatal.h>
#include <gen/log/pp.h>

#include <QMetaType>

#include <cstdio>
#include <memory>
#include <type_traits>

namespace gen::qt {

using gen::store::GNode;

namespace {

std::unique_ptr<GSettings>& holder()
{
    static std::unique_ptr<GSettings> settings;
    return settings;
}

// The stored value as T, or `fallback` when absent or when Qt cannot convert
// it (QVariant::convert reports a failed text-to-number conversion).
template <class T>
T read_as(QSettings const& settings, QString const& key, T const& fallback)
{
    QVariant value = settings.value(key);
    if (!value.isValid()) {
        return fallback;
    }
    if constexpr (std::is_arithmetic_v<T>) {
        // Numbers go through their text, which is how the file keeps them:
        // a value reads the same before and after a restart, and a negative
        // or out-of-range number gives the fallback instead of wrapping.
        if (value.metaType() != QMetaType::fromType<T>()) {
            if (!value.canConvert<QString>()) {
                return fallback;
            }
            value = QVariant(value.toString());
        }
    }
    if (value.metaType() != QMetaType::fromType<T>() && !value.convert(QMetaType::fromType<T>())) {
        return fallback;
    }
    return value.value<T>();
}

}  // namespace

GSettings::GSettings()
{
    // A user's settings must never be left half-written: sync() writes a
    // temporary file and renames it over the old one (QSaveFile), and with
    // this set it never falls back to rewriting the file in place.
    setAtomicSyncRequired(true);
}

GSettings& GSettings::instance()
{
    std::unique_ptr<GSettings>& settings = holder();
    if (!settings) {
        settings = std::make_unique<GSettings>();
    }
    return *settings;
}

void GSettings::reset_instance()
{
    holder().reset();
}

bool GSettings::flush()
{
    sync();
    if (status() == QSettings::NoError) {
        return true;
    }
    gen::pp_error("GSettings::flush, write failed, status:$, file:$", static_cast<int>(status()), fileName());
    return false;
}

// ---- nodes -----------------------------------------------------------------

bool GSettings::set_node(QString const& key, GNode const& node)
{
    setValue(key, node.to_base_64_string());
    return flush();
}

GNode GSettings::get_node(QString const& key) const
{
    QVariant const stored = value(key);
    QString const text = stored.toString();
    if (text.isEmpty()) {
        if (stored.isValid() && stored.metaType() != QMetaType::fromType<QString>()) {
            // A value of another kind (a number or rectangle written over the
            // key): the caller starts from an empty node, and the log says why.
            gen::pp_warn("GSettings::get_node, '$' holds no node text, refused", key);
        }
        return GNode{};
    }
    return GNode::from_base_64_string(text);
}

bool GSettings::set_app_node(GNode const& node)
{
    return set_node(QString::fromLatin1(KEY_APP), node);
}

GNode GSettings::get_app_node() const
{
    return get_node(QString::fromLatin1(KEY_APP));
}

bool GSettings::set_window_node(GNode const& node, QString const& name)
{
    return set_node(QString::fromLatin1(KEY_WINDOW) + name, node);
}

GNode GSettings::get_window_node(QString const& name) const
{
    return get_node(QString::fromLatin1(KEY_WINDOW) + name);
}

// ---- fixed keys ------------------------------------------------------------

void GSettings::set_config_version(unsigned int version)
{
    setValue(QString::fromLatin1(KEY_VERSION), version);
}

unsigned int GSettings::get_config_version() const
{
    return get_uint(QString::fromLatin1(KEY_VERSION), DEFAULT_VERSION);
}

void GSettings::set_theme(unsigned int theme)
{
    setValue(QString::fromLatin1(KEY_THEME), theme);
}

unsigned int GSettings::get_theme() const
{
    return get_uint(QString::fromLatin1(KEY_THEME), DEFAULT_THEME);
}

void GSettings::set_log_level(unsigned int level)
{
    setValue(QString::fromLatin1(KEY_LOG_LEVEL), level);
}

unsigned int GSettings::get_log_level() const
{
    return get_uint(QString::fromLatin1(KEY_LOG_LEVEL), DEFAULT_LOG_LEVEL);
}

// ---- version ---------------------------------------------------------------

bool GSettings::check_update_config(unsigned int expected, bool clear)
{
    versionExpected = expected;
    versionFound = get_config_version();
    if (status() != QSettings::NoError) {
        // A store that could not be read completely is not known to be old:
        // clearing it would throw away whatever the user might still recover.
        gen::pp_error("GSettings::check_update_config, store not readable, left as it is, status:$, file:$",
                      static_cast<int>(status()), fileName());
        return false;
    }
    if (versionFound >= versionExpected) {
        return false;
    }
    std::printf("GSettings::check_update_config, current version:%u, version expected:%u\n",
                static_cast<unsigned int>(versionFound), static_cast<unsigned int>(versionExpected));
    std::fflush(stdout);
    if (clear) {
        gen::pp("GSettings::check_update_config - CLEAR");
        clear_config();
    }
    set_config_version(expected);
    // The stamp is written at once so that an interrupted run does not
    // announce (and clear) again.
    flush();
    return true;
}

bool GSettings::clear_config()
{
    gen::pp("GSettings::clear_config");
    clear();
    bool const written = flush();
    gen::pp("GSettings::~clear_config");
    return written;
}

// ---- general values --------------------------------------------------------

QString GSettings::owner_key(QString const& key, QObject const* owner)
{
    if (owner == nullptr) {
        return key;
    }
    return key + QLatin1Char('@') + owner->objectName();
}

void GSettings::set(QString const& key, QVariant const& value, QObject const* owner)
{
    setValue(owner_key(key, owner), value);
}

void GSettings::set(QString const& key, Qt::GlobalColor const& color, QObject const* owner)
{
    setValue(owner_key(key, owner), QColor(color));
}

template <class T>
T GSettings::get(QString const& key, T const& fallback, QObject const* owner) const
{
    return read_as<T>(*this, owner_key(key, owner), fallback);
}

template QString GSettings::get<QString>(QString const&, QString const&, QObject const*) const;
template unsigned int GSettings::get<unsigned int>(QString const&, unsigned int const&, QObject const*) const;
template int GSettings::get<int>(QString const&, int const&, QObject const*) const;
template float GSettings::get<float>(QString const&, float const&, QObject const*) const;
template double GSettings::get<double>(QString const&, double const&, QObject const*) const;

unsigned int GSettings::get_uint(QString const& key, unsigned int fallback, QObject const* owner) const
{
    return get<unsigned int>(key, fallback, owner);
}

int GSettings::get_int(QString const& key, int fallback, QObject const* owner) const
{
    return get<int>(key, fallback, owner);
}

float GSettings::get_float(QString const& key, float fallback, QObject const* owner) const
{
    return get<float>(key, fallback, owner);
}

double GSettings::get_double(QString const& key, double fallback, QObject const* owner) const
{
    return get<double>(key, fallback, owner);
}

QColor GSettings::get_color(QString const& key, QColor fallback, QObject const* owner) const
{
    return read_as<QColor>(*this, owner_key(key, owner), fallback);
}

// ---- geometry --------------------------------------------------------------

void GSettings::set_rect(QString const& key, QRect const& rect)
{
    setValue(key, rect);
}

QRect GSettings::get_rect(QString const& key, QRect const& fallback) const
{
    return read_as<QRect>(*this, key, fallback);
}

void GSettings::set_point(QString const& key, QPoint const& point)
{
    setValue(key, point);
}

QPoint GSettings::get_point(QString const& key, QPoint const& fallback) const
{
    return read_as<QPoint>(*this, key, fallback);
}

void GSettings::set_size(QString const& key, QSize const& size)
{
    setValue(key, size);
}

QSize GSettings::get_size(QString const& key, QSize const& fallback) const
{
    return read_as<QSize>(*this, key, fallback);
}

// ---- splitters -------------------------------------------------------------

void GSettings::save_splitter_state(QSplitter* splitter)
{
    GEN_CHECK_NULL(splitter);
}

void GSettings::restore_splitter_state(QSplitter* splitter)
{
    GEN_CHECK_NULL(splitter);
}

}  // namespace gen::qt
