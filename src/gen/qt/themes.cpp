#include <gen/qt/themes.h>

#include <gen/GTokenizer.h>
#include <gen/log/pp.h>
#include <gen/tools/os.h>

#include <QApplication>
#include <QColor>
#include <QFile>
#include <QFontDatabase>
#include <QPointer>

#include <cstdio>
#include <string>

namespace gen::qt::themes {

namespace {

unsigned int theTheme = THEME_NORMAL;
constexpr unsigned int maxTheme = THEME_GREEN;

// Colours of the roles every theme sets, group All.
struct ThemeColors {
    QColor window, windowText, base, alternateBase, text, button, buttonText, highlight,
        highlightedText;
};

QPalette build_palette(ThemeColors const& c)
{
    QPalette pal;
    pal.setColor(QPalette::Window, c.window);
    pal.setColor(QPalette::WindowText, c.windowText);
    pal.setColor(QPalette::Base, c.base);
    pal.setColor(QPalette::AlternateBase, c.alternateBase);
    pal.setColor(QPalette::Text, c.text);
    pal.setColor(QPalette::Button, c.button);
    pal.setColor(QPalette::ButtonText, c.buttonText);
    pal.setColor(QPalette::Highlight, c.highlight);
    pal.setColor(QPalette::HighlightedText, c.highlightedText);
    return pal;
}

QFont build_mono_font()
{
    if constexpr (os::is_wasm()) {
        QFont font;
        QFile file(QStringLiteral(":/wb/fonts/SourceCodePro-Regular.ttf"));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fputs("PROBLEM READING FONT\n", stdout);
            std::fflush(stdout);
            return font;
        }
        int const id = QFontDatabase::addApplicationFontFromData(file.readAll());
        QStringList const families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty()) {
            font.setFamily(families.first());
        }
        return font;
    }
    QFont font(QStringLiteral("Monospace"));
    font.setStyleHint(QFont::TypeWriter, QFont::PreferDefault);
    return font;
}

}  // namespace

unsigned int get() { return theTheme; }
unsigned int get_theme_type() { return theTheme; }
unsigned int get_max_theme() { return maxTheme; }

void set(unsigned int th)
{
    if (th > maxTheme) {
        pp_error("gen::qt::theme::set, th > maxTheme, $ > $", th, maxTheme);
        return;
    }
    theTheme = th;
}

bool is_theme(unsigned int th) { return theTheme == th; }
bool is_theme_normal() { return theTheme == THEME_NORMAL; }
bool is_theme_dark() { return theTheme == THEME_DARK; }
bool is_theme_green() { return theTheme == THEME_GREEN; }

QString theme_to_string(unsigned int th)
{
    switch (th) {
    case THEME_DARK:
        return QStringLiteral("dark");
    case THEME_GREEN:
        return QStringLiteral("green");
    default:
        return QStringLiteral("normal");
    }
}

QString get_theme() { return theme_to_string(theTheme); }

int string_to_theme(QString const& name)
{
    for (unsigned int th = 0; th <= maxTheme; ++th) {
        if (name == theme_to_string(th)) {
            return static_cast<int>(th);
        }
    }
    return -1;
}

QPalette const& get_palette_normal()
{
    static QPalette const palNormal = [] {
        QPalette pal = build_palette({QColor("#efefef"), Qt::black, Qt::white, QColor("#f7f7f7"),
                                      Qt::black, QColor("#efefef"), Qt::black, QColor("#4ca3e0"),
                                      Qt::white});
        pal.setColor(QPalette::ToolTipBase, Qt::white);
        pal.setColor(QPalette::ToolTipText, Qt::black);
        QColor const disabledText("#787878");
        pal.setColor(QPalette::Disabled, QPalette::Text, disabledText);
        pal.setColor(QPalette::Disabled, QPalette::ButtonText, disabledText);
        pal.setColor(QPalette::Disabled, QPalette::WindowText, disabledText);
        QColor const disabledBack("#f0f0f0");
        pal.setColor(QPalette::Disabled, QPalette::Base, disabledBack);
        pal.setColor(QPalette::Disabled, QPalette::Button, disabledBack);
        return pal;
    }();
    return palNormal;
}

QPalette const& get_palette_dark()
{
    static QPalette const palDark =
        build_palette({QColor("#353535"), Qt::white, QColor("#232323"), QColor("#353535"), Qt::white,
                       QColor("#353535"), Qt::white, QColor("#2a82da"), Qt::black});
    return palDark;
}

QPalette const& get_palette_green()
{
    static QPalette const palGreen =
        build_palette({QColor("#1e321e"), QColor("#c8ffc8"), QColor("#192819"), QColor("#233c23"),
                       QColor("#dcffdc"), QColor("#284628"), QColor("#dcffdc"), QColor("#3ca03c"),
                       Qt::black});
    return palGreen;
}

QPalette get_palette(unsigned int th)
{
    switch (th) {
    case THEME_GREEN:
        return get_palette_green();
    case THEME_DARK:
        return get_palette_dark();
    default:
        return get_palette_normal();
    }
}

void apply_theme(QString const& name)
{
    int const th = string_to_theme(name);
    if (th >= 0) {
        apply_the_theme(static_cast<unsigned int>(th));
    }
}

void refresh_theme() { apply_the_theme(theTheme); }

void apply_the_theme(unsigned int th)
{
    if (th > maxTheme) {
        pp("gent::qt::theme::apply_the_theme, theTheme > get_max_theme(), $ > $", th, maxTheme);
        return;
    }
    theTheme = th;
    pp("gen::qt::theme::apply_the_theme:$, $", th, theme_to_string(th));
    QApplication::setPalette(get_palette(th));
    theme_listener().fire_event(th);
}

gen::Listener<unsigned int>& theme_listener()
{
    static gen::Listener<unsigned int> listener;
    return listener;
}

void follow_theme(QObject* owner, std::function<void(unsigned int)> fn)
{
    std::string const key =
        theme_listener() += [guard = QPointer<QObject>(owner), fn = std::move(fn)](unsigned int const& th) {
            // Also guarded: an owner destroyed while the theme is being applied.
            if (guard) {
                fn(th);
            }
        };
    // A destroyed owner takes its entry along, so a long session that opens
    // and closes windows does not collect them.
    QObject::connect(owner, &QObject::destroyed, [key]() { theme_listener().remove(key); });
}

QString make_theme_path(QString const& path, QString const& theme_name)
{
    GTokenizer const toks(path, QStringLiteral("/"), false, false);
    if (toks.tokens.size() < 4) {
        pp("make_theme_path, toks.size() < 4");
        return path;
    }
    QString out;
    for (int i = 0; i < 3; ++i) {
        out += toks.tokens[i];
        out += u'/';
    }
    if (!theme_name.isEmpty() && theme_name != QStringLiteral("normal")) {
        out += theme_name;
        out += u'/';
    }
    out += toks.tokens.back();
    return out;
}

QFont get_mono_font()
{
    static QFont const fontMono = build_mono_font();
    return fontMono;
}

}  // namespace gen::qt::themes
