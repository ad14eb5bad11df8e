#pragma once
// The application's colour theme (0 normal, 1 dark, 2 green), the three
// palettes, theme names, themed icon paths and the monospace font.
// GUI thread only.
//
// A theme change is announced through theme_listener(); widgets that colour
// themselves (log views, themed buttons) subscribe, so this module knows none
// of them.

#include <gen/Listener.h>

#include <QFont>
#include <QPalette>
#include <QString>

#include <functional>

class QObject;

namespace gen::qt::themes {

inline constexpr unsigned int THEME_NORMAL = 0;
inline constexpr unsigned int THEME_DARK = 1;
inline constexpr unsigned int THEME_GREEN = 2;

// The current theme; 0 at start.
unsigned int get();
unsigned int get_theme_type();
// Refuses (ERROR line) values above get_max_theme().
void set(unsigned int th);
unsigned int get_max_theme();

bool is_theme(unsigned int th);
bool is_theme_normal();
bool is_theme_dark();
bool is_theme_green();

// "normal", "dark", "green"; "normal" for any other number.
QString theme_to_string(unsigned int th);
// The current theme's name.
QString get_theme();
// Case-sensitive; -1 for any other text.
int string_to_theme(QString const& name);

// Built on first use, kept until exit.
QPalette const& get_palette_normal();
QPalette const& get_palette_dark();
QPalette const& get_palette_green();
// The normal palette for numbers other than 1 and 2.
QPalette get_palette(unsigned int th);

// apply_the_theme for "normal", "dark" or "green"; other names do nothing.
void apply_theme(QString const& name);
void refresh_theme();
// Sets the theme and the application palette, then fires theme_listener()
// with it. Numbers above get_max_theme() are refused (DEBUG line).
// Needs a QApplication.
void apply_the_theme(unsigned int th);

// Fired by apply_the_theme with the new theme, after the palette changed.
gen::Listener<unsigned int>& theme_listener();
// Subscribes `fn` for as long as `owner` lives: once the owner is destroyed
// the entry no longer calls it.
void follow_theme(QObject* owner, std::function<void(unsigned int)> fn);

// ":/wb/icons/x.svg" -> ":/wb/icons/dark/x.svg" for "dark"; an existing theme
// folder is replaced, "normal" or an empty name removes it. Paths with fewer
// than four parts come back unchanged.
QString make_theme_path(QString const& path, QString const& theme_name);

// The monospace font (a copy).
QFont get_mono_font();

}  // namespace gen::qt::themes
