#pragma once
// Base of every main window. A window has a class-and-number identity
// ("CMainWindow_0") under which its state node lives in the settings; it
// restores and saves geometry, dock state, font size, theme and the log
// panel's configuration, builds the log tool buttons and the options menu,
// installs the standard hot keys, scales its font, re-themes icons and
// widgets, accepts dropped files and runs layout passes over its panels.
// GUI thread only.

#include <gen/Listener.h>
#include <gen/qt/BaseWindow.h>
#include <gen/qt/GPanel.h>
#include <gen/qt/GSettings.h>
#include <gen/qt/Layouter.h>
#include <gen/qt/StringSetter.h>
#include <gen/qt/WindowClazz.h>
#include <gen/store/GNode.h>

#include <QKeySequence>
#include <QList>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class QGestureEvent;

namespace gen::qt {

class GAction;
class GButton;
class GMainPanel;
class GMenu;
class GPanelLogView;

// Direction of gui_scale: 1 bigger, any other value smaller.
enum GUISCALE : int {
    SCALE_SMALLER = 0,
    SCALE_BIGGER = 1,
};

class GMainWindow : public BaseWindow, public StringSetter<BaseWindow> {
public:
    // Keys of the window node.
    static constexpr char const* KEY_THEME = "theme";
    static constexpr char const* KEY_GEOMETRY = "geometry";
    static constexpr char const* KEY_STATE = "state";
    static constexpr char const* KEY_POINT_SIZE = "pointSize";
    static constexpr char const* KEY_LOG = "log";
    // 0 normal, 1 dark, 2 green; 3 follows the application's theme.
    static constexpr unsigned int THEME_APP = 3;

    explicit GMainWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~GMainWindow() override;

    // Tag "CMainWindow", node from the settings, then ini_standards(). A
    // derived window calls setup_node with its own tag instead.
    virtual void setup();
    // The tag's complete name, or the object name before setup.
    virtual QString get_object_name() const;
    virtual void save_state();
    virtual void restore_state();
    // Opens the modal "Log Options" dialog for the log view.
    virtual void on_log_options();
    virtual QString get_type_name() const { return QStringLiteral("GMainWindow"); }
    // The row of log tool buttons (options, clear, copy, debug line) inside
    // `panParent`; a null parent is fatal.
    virtual GPanel* create_panel_option_log(GPanel* panParent);
    virtual void setup_base_hotkeys();
    virtual void on_new_window();
    virtual void on_toggle_fullscreen();
    virtual void on_close();
    virtual void on_open();
    // Ctrl+L: switches the log view on or off.
    virtual void on_logger();
    virtual void on_help();
    virtual void on_select_all();
    virtual QString to_string() const;
    // Takes every log panel of the window out of the sink set.
    virtual void cleanup();
    // The derived window builds its contents here.
    virtual void ini() = 0;
    virtual void ini_standards();
    // Pops up the options menu (Logging, Options, Theme) at the cursor.
    virtual void on_menu_options();
    virtual void on_gesture_event(QGestureEvent* event);
    virtual void do_layout_all(LayoutEvent& ev);
    virtual void adapt_icons_to_theme();
    virtual void adapt_log_view();
    virtual void adapt_themes();

    template<class Clazz>
    void setup_node()
    {
        clazz = std::make_unique<Clazz>();
        node = GSettings::instance().get_window_node(get_object_name());
    }

    GMainPanel* create_main_panel(GLAYOUT layout);
    void set_delete_on_close(bool on) { setAttribute(Qt::WA_DeleteOnClose, on); }
    bool is_delete_on_close() const { return testAttribute(Qt::WA_DeleteOnClose); }

    // The window's theme, the application's when it follows it.
    unsigned int get_theme() const;
    QString get_theme_string() const;
    bool is_theme_normal() const { return get_theme() == 0; }
    bool is_theme_dark() const { return get_theme() == 1; }
    bool is_theme_green() const { return get_theme() == 2; }
    bool has_its_own_palette() const { return testAttribute(Qt::WA_SetPalette); }
    void unset_palette();
    // 0 to 2 give the window that theme's palette, 3 follows the application;
    // other values are refused with an ERROR line. The theme (new or kept) is
    // stored in the node and icons, log view and sliders follow it.
    void set_theme(unsigned int theme, unsigned int unused = 0);

    // The first descendant of type T with that object name (any name when
    // empty), or null.
    template<class T>
    T* find_widget(QString const& name) const
    {
        // An empty (not null) name would match only unnamed widgets.
        QList<QWidget*> const hits = name.isEmpty() ? findChildren<QWidget*>() : findChildren<QWidget*>(name);
        if (!name.isEmpty() && hits.size() > 1) {
            log_many_hits(name, hits.size());
        }
        for (QWidget* hit : hits) {
            if (auto* found = dynamic_cast<T*>(hit)) {
                return found;
            }
        }
        return nullptr;
    }
    // Every descendant of type T. The framework's widget classes carry no
    // meta-object of their own, so findChildren<T*> would also return any
    // widget of their Qt base class; this checks the real type.
    template<class T>
    QList<T*> find_all() const
    {
        QList<T*> found;
        for (QWidget* w : findChildren<QWidget*>()) {
            if (auto* hit = dynamic_cast<T*>(w)) {
                found.append(hit);
            }
        }
        return found;
    }
    GPanelLogView* get_panel_log_view() const;
    QList<QWidget*> get_children(bool only_visible) const;

    // A window-wide shortcut; the caller subscribes to its lisTriggered.
    GAction* create_action(QKeySequence const& keys);
    // Writes the node to the settings; with `with_log` it first stores the
    // log view's configuration under "log".
    void sync_win_settings(bool with_log);

    // Points, clamped to 8 to 20 with a WARN line; a change runs a layout pass.
    void set_font_size(int size);
    // One point bigger or smaller; a pixel-sized font is left alone.
    void gui_scale(GUISCALE dir);

    gen::store::GNode& get_node() { return node; }
    GMainPanel* get_main_panel() const { return panMain; }
    BaseClazz const* get_clazz() const { return clazz.get(); }

    std::function<void()> fnClose;                 // first thing closeEvent does
    Listener<NO_PAYLOAD> lisFirstResize;           // once, queued
    Listener<NO_PAYLOAD> lisClosing;               // end of closeEvent
    Listener<bool> lisLogging;                     // log view switched on or off

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void showEvent(QShowEvent* event) override;

    // For derived windows, once their log panel exists: makes it the
    // window's log view and gives it the stored configuration ("log", else
    // LogConfig::ini(): disabled), its font size and visibility.
    void ini_log_view(GPanelLogView* view);
    // Creates a log panel in `panParent` and runs ini_log_view on it.
    GPanelLogView* create_log_view(GPanel* panParent);

    // Switches the log view (when there is one), stores its configuration
    // under "log" and fires lisLogging.
    void set_logging(bool on);
    bool is_logging() const;
    // Stores the log view's configuration under "log" (node only).
    void store_log_config();
    int current_font_size() const;

    gen::store::GNode node;
    GMainPanel* panMain = nullptr;
    GPanelLogView* panLog = nullptr;
    bool flagResized = false;
    unsigned int theme = THEME_APP;
    std::unique_ptr<BaseClazz> clazz;
    bool flagShown = false;
    bool flagCleaned = false;  // log panels left the sink set at close

private:
    static void log_many_hits(QString const& name, qsizetype hits);
    void show_log_buttons(bool on);
    GMenu* build_options_menu();

    QList<GButton*> logButtons;  // clear, copy, debug line
};

}  // namespace gen::qt
