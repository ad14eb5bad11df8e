#include <gen/qt/GApp.h>

#include <gen/log/fatal.h>
#include <gen/log/pp.h>
#include <gen/qt/EventFilter.h>
#include <gen/qt/GMainWindow.h>
#include <gen/qt/GSettings.h>
#include <gen/qt/themes.h>
#include <gen/store/GType.h>
#include <gen/store/configure.h>
#include <gen/tools/os.h>

#include <QGuiApplication>
#include <QWidget>

#include <clocale>
#include <memory>

namespace gen::qt {

GApp* gApp = nullptr;

namespace {
// Set by the constructor, dropped by the destructor.
std::unique_ptr<QFont> fontMono;
}  // namespace

void GApp::prepare_settings(QString const& organisation, unsigned int version, bool flag,
                            QString const& application)
{
    QCoreApplication::setOrganizationName(organisation);
    QCoreApplication::setApplicationName(application);
    GSettings& settings = GSettings::instance();
    if (GSettings::flagDebug) {
        settings.clear_config();
    } else {
        settings.check_update_config(version, flag);
    }
    nApp = settings.get_app_node();
}

GApp::GApp(int& argc, char** argv) : QApplication(argc, argv)
{
    // Number formatting and parsing through the C library must always use
    // "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    fontMono = std::make_unique<QFont>(themes::get_mono_font());
    gen::store::register_meta_type();
    gApp = this;
    gen::log::configure(argc, argv);

    QObject::connect(this, &QCoreApplication::aboutToQuit, this, []() { sync_app_settings(true); });
    if constexpr (gen::os::is_sandboxed()) {
        QObject::connect(this, &QGuiApplication::applicationStateChanged, this, [](Qt::ApplicationState state) {
            if (state == Qt::ApplicationHidden || state == Qt::ApplicationInactive) {
                sync_app_settings(true);
            }
        });
        QObject::connect(this, &QGuiApplication::focusWindowChanged, this, [](QWindow* focus) {
            if (focus == nullptr) {
                sync_app_settings(true);
            }
        });
    }

    filter = new EventFilter(this);
    installEventFilter(filter);
    event::GTouchAutomat& automat = filter->automat;
    automat.lisPan += [this](int const& value) {
        if (!lisPan.empty()) {
            lisPan.fire_event(value);
        }
    };
    automat.lisZoom += [this](float const& value) {
        if (!lisZoom.empty()) {
            lisZoom.fire_event(value);
        }
    };
    automat.lisRotate += [this](float const& value) {
        if (!lisRotate.empty()) {
            lisRotate.fire_event(value);
        }
    };
}

GApp::~GApp()
{
    if (filter != nullptr) {
        removeEventFilter(filter);
    }
    fontMono.reset();
    gApp = nullptr;
}

gen::store::GNode& GApp::get_node()
{
    return nApp;
}

void GApp::sync_app_settings(bool all_windows)
{
    GSettings::instance().set_app_node(nApp);
    if (all_windows) {
        for (GMainWindow* win : get_windows(true)) {
            win->sync_win_settings(false);
        }
    }
}

std::vector<GMainWindow*> GApp::get_windows(bool only_visible)
{
    std::vector<GMainWindow*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* win = dynamic_cast<GMainWindow*>(widget);
        if (win != nullptr && (!only_visible || win->isVisible())) {
            found.push_back(win);
        }
    }
    return found;
}

QFont GApp::get_mono_font()
{
    return fontMono ? *fontMono : themes::get_mono_font();
}

void GApp::add_window(GMainWindow* win)
{
    GEN_CHECK_NULL(win);
    if (!windows.insert(win).second) {
        return;
    }
    win->lisClosing.append("GApp::add_window", [win]() {
        gen::pp("GApp::add_window, win is going to be destroyed:$", win->to_string());
        if (gApp != nullptr) {
            gApp->remove_window(win);
        }
    });
    // A window deleted without being closed must not stay behind as a
    // dangling entry; by then it is no GMainWindow any more, so nobody is told.
    QObject::connect(win, &QObject::destroyed, this, [this, win]() { windows.erase(win); });
}

bool GApp::remove_window(GMainWindow* win)
{
    GEN_CHECK_NULL(win);
    gen::pp("GApp::remove_window, remove win:$", win->to_string());
    if (windows.erase(win) == 0) {
        return false;
    }
    if (!lisWindowRemoved.empty()) {
        lisWindowRemoved.fire_event(win);
    }
    return true;
}

void GApp::set_theme(unsigned int theme)
{
    themeRequested = theme;
    // Compared with the module's own state: the theme may also have been
    // applied around the application object.
    if (theme != themes::get()) {
        themes::apply_the_theme(theme);
        themeApplied = themes::get();
    }
}

void GApp::reset_touch_automat()
{
    filter->automat.reset_state();
}

}  // namespace gen::qt

extern "C" void sync_settings()
{
    gen::qt::GApp::sync_app_settings(true);
}
