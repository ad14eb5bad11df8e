#pragma once
// The program's QApplication. Built once, after prepare_settings has fixed
// the settings identity; owns the application node, configures logging from
// the command line, installs the application-wide event filter (touch
// gestures, Ctrl+Alt+wheel scaling), relays gestures and screen orientation
// to its listeners, tracks extra main windows and writes every state back to
// the settings when the program quits. GUI thread only.

#include <gen/Listener.h>
#include <gen/qt/event/GOrientationDetector.h>
#include <gen/store/GNode.h>

#include <QApplication>
#include <QFont>
#include <QString>

#include <set>
#include <vector>

namespace gen::qt {

class EventFilter;
class GMainWindow;

class GApp : public QApplication {
public:
    // Sets the organisation and application names (which locate the store),
    // clears or version-checks the store and loads the application node.
    // Runs before the application object exists.
    static void prepare_settings(QString const& organisation, unsigned int version, bool flag,
                                 QString const& application);

    GApp(int& argc, char** argv);
    ~GApp() override;
    GApp(GApp const&) = delete;
    GApp& operator=(GApp const&) = delete;

    static gen::store::GNode& get_node();
    // Writes the application node; with `all_windows` also the node of every
    // visible main window.
    static void sync_app_settings(bool all_windows);
    // Top-level main windows in Qt's top-level order.
    static std::vector<GMainWindow*> get_windows(bool only_visible);
    // The monospace font chosen at construction.
    static QFont get_mono_font();

    // Registers an extra window; it leaves the set when it closes (firing
    // lisWindowRemoved) or, silently, when it is destroyed without closing.
    // A null window is fatal.
    void add_window(GMainWindow* win);
    // False when the window was not registered. A null window is fatal.
    bool remove_window(GMainWindow* win);
    bool has_window(GMainWindow* win) const { return windows.count(win) != 0; }
    std::size_t count_windows() const { return windows.size(); }

    // Applies the application theme (palette, log views, themed icons) when
    // it differs from the one applied last.
    void set_theme(unsigned int theme);
    unsigned int get_requested_theme() const { return themeRequested; }
    unsigned int get_applied_theme() const { return themeApplied; }

    void reset_touch_automat();
    void basic_gl_init() {}
    EventFilter* get_event_filter() const { return filter; }

    dim::GOrientationDetector orientationDetector;
    Listener<int> lisPan;            // pan distance of a one-finger drag, pixels
    Listener<float> lisZoom;         // ratio of finger distances of a pinch step
    Listener<float> lisRotate;       // twist of a two-finger step, degrees
    Listener<GMainWindow*> lisWindowRemoved;

    static inline gen::store::GNode nApp;

private:
    std::set<GMainWindow*> windows;
    unsigned int themeRequested = 0;
    unsigned int themeApplied = 0;
    EventFilter* filter = nullptr;
};

// The one application object, null outside its lifetime.
extern GApp* gApp;

}  // namespace gen::qt

// Writes the application node and every visible window's node; callable
// from platform glue by its unmangled name.
extern "C" void sync_settings();
