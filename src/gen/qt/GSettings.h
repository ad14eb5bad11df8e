#pragma once
// The program's one persistent store: QSettings with Qt's default arguments
// (native format, user scope, located by the organisation and application
// names), whole node trees kept as their Base64 text under fixed keys,
// owner-qualified keys, a configuration version and typed reads with
// fallbacks. Stored keys and value types are a persisted format.

#include <gen/store/GNode.h>

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSettings>
#include <QSize>
#include <QString>
#include <QVariant>

#include <cstdint>

class QSplitter;

namespace gen::qt {

class GSettings : public QSettings {
public:
    static constexpr char const* KEY_APP = "GApplication/app";
    static constexpr char const* KEY_WINDOW = "Window/";
    static constexpr char const* KEY_VERSION = "config/version";
    static constexpr char const* KEY_THEME = "ui/theme";
    static constexpr char const* KEY_LOG_LEVEL = "log/level";
    static constexpr unsigned int DEFAULT_VERSION = 99;
    static constexpr unsigned int DEFAULT_THEME = 1;
    static constexpr unsigned int DEFAULT_LOG_LEVEL = 0;

    // Start-up clears the whole store instead of checking its version.
    static inline bool flagDebug = false;

    // Uses the location that the organisation and application names select
    // at construction time.
    GSettings();

    // The process-wide store, built on first call; the organisation and
    // application names must be set before that.
    static GSettings& instance();
    // Tests only: drops the process-wide store so that the next instance()
    // builds one on the location current at that time.
    static void reset_instance();

    // Writes pending changes now. False, with an ERROR line naming the file,
    // when the backing storage could not be written; the previous file is
    // then left whole. Qt keeps the first error of an object, so after one
    // failed write every later flush of the same object reports failure too.
    bool flush();

    // Node trees, stored as their Base64 text. Setters write at once and
    // return whether the write succeeded. Getters give an empty node when
    // nothing is stored.
    bool set_node(QString const& key, gen::store::GNode const& node);
    gen::store::GNode get_node(QString const& key) const;
    bool set_app_node(gen::store::GNode const& node);
    gen::store::GNode get_app_node() const;
    bool set_window_node(gen::store::GNode const& node, QString const& name);
    gen::store::GNode get_window_node(QString const& name) const;

    void set_config_version(unsigned int version);
    unsigned int get_config_version() const;
    void set_theme(unsigned int theme);
    unsigned int get_theme() const;
    void set_log_level(unsigned int level);
    unsigned int get_log_level() const;

    // True when the stored version (99 when absent) is below `expected`;
    // then announces it on stdout, clears the store when `clear` is set and
    // stamps `expected`. Otherwise changes nothing.
    bool check_update_config(unsigned int expected, bool clear);
    // Removes every key and writes at once; false when that write failed.
    bool clear_config();
    // Versions seen and expected by the last check_update_config, 0 before.
    unsigned int get_version() const { return versionFound; }
    unsigned int get_version_minimum() const { return versionExpected; }

    // With an owner the key becomes key + "@" + owner's objectName(), so
    // several objects of one kind keep separate values.
    static QString owner_key(QString const& key, QObject const* owner);
    void set(QString const& key, QVariant const& value, QObject const* owner = nullptr);
    // Stored as a QColor.
    void set(QString const& key, Qt::GlobalColor const& color, QObject const* owner = nullptr);

    // The stored value converted to T, or `fallback` when absent or not
    // convertible (a text that is not a number read as a number, a negative
    // text read as unsigned). Instantiated for QString, unsigned int, int,
    // float and double.
    template <class T>
    T get(QString const& key, T const& fallback, QObject const* owner = nullptr) const;
    unsigned int get_uint(QString const& key, unsigned int fallback, QObject const* owner = nullptr) const;
    int get_int(QString const& key, int fallback, QObject const* owner = nullptr) const;
    float get_float(QString const& key, float fallback, QObject const* owner = nullptr) const;
    double get_double(QString const& key, double fallback, QObject const* owner = nullptr) const;
    QColor get_color(QString const& key, QColor fallback, QObject const* owner = nullptr) const;

    void set_rect(QString const& key, QRect const& rect);
    QRect get_rect(QString const& key, QRect const& fallback) const;
    void set_point(QString const& key, QPoint const& point);
    QPoint get_point(QString const& key, QPoint const& fallback) const;
    void set_size(QString const& key, QSize const& size);
    QSize get_size(QString const& key, QSize const& fallback) const;

    // Only refuse a null splitter (fatal); nothing is stored or restored.
    void save_splitter_state(QSplitter* splitter);
    void restore_splitter_state(QSplitter* splitter);

private:
    std::uint32_t versionFound = 0;
    std::uint32_t versionExpected = 0;
};

}  // namespace gen::qt
