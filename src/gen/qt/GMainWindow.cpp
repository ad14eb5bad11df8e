#include <gen/qt/GMainWindow.h>

#include <gen/log/GLog.h>
#include <gen/log/fatal.h>
#include <gen/log/pp.h>
#include <gen/qt/GAction.h>
#include <gen/qt/GButton.h>
#include <gen/qt/GListView.h>
#include <gen/qt/GMainPanel.h>
#include <gen/qt/GPanelLogView.h>
#include <gen/qt/GStyles.h>
#include <gen/qt/guitools/GGui.h>
#include <gen/qt/themes.h>
#include <gen/store/LogConfigGType.h>
#include <gen/tools/os.h>
#include <gen/tools/rnd.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGestureEvent>
#include <QMimeData>
#include <QPinchGesture>
#include <QResizeEvent>
#include <QShowEvent>
#include <QSlider>
#include <QUrl>

#include <algorithm>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace gen::qt {

namespace {
// Font sizes (points) that set_font_size accepts, and the wider range a
// stored size must fall in to be restored.
constexpr int kFontMin = 8;
constexpr int kFontMax = 20;
constexpr int kStoredFontMin = 6;
constexpr int kStoredFontMax = 28;
}  // namespace

GMainWindow::GMainWindow(QWidget* parent, Qt::WindowFlags flags)
    : BaseWindow(parent, flags), StringSetter<BaseWindow>(this)
{
    setAcceptDrops(true);
    setObjectName(gen::rnd::next_QString(8, true));
}

GMainWindow::~GMainWindow()
{
    // Lets a long session show that closed windows really go.
    gen::pp("GMainWindow::~GMainWindow, @$", objectName());
#ifdef __GLIBC__
    // A closed window frees its GL and widget memory in many small blocks
    // across the driver's thread arenas; glibc keeps such pages unless asked,
    // so a session that opens and closes windows would only ever grow. Asked
    // once the window's children are gone too.
    if (QCoreApplication* app = QCoreApplication::instance()) {
        QMetaObject::invokeMethod(app, []() { malloc_trim(0); }, Qt::QueuedConnection);
    }
#endif
}

void GMainWindow::setup()
{
    setup_node<WindowClazz<"CMainWindow">>();
    ini_standards();
}

QString GMainWindow::get_object_name() const
{
    return clazz ? clazz->get_complete_name() : objectName();
}

QString GMainWindow::to_string() const
{
    return objectName().isEmpty() ? QStringLiteral("GMainWindow") : QStringLiteral("GMainWindow@") + objectName();
}

void GMainWindow::ini_standards()
{
    restore_state();
    ini();
    adapt_icons_to_theme();
    adapt_log_view();
    adapt_themes();
    setup_base_hotkeys();
}

GMainPanel* GMainWindow::create_main_panel(GLAYOUT layout)
{
    panMain = new GMainPanel(layout);
    setCentralWidget(panMain);
    panMain->setObjectName(QStringLiteral("main"));
    return panMain;
}

// ---- state -------------------------------------------------------------------

void GMainWindow::restore_state()
{
    unsigned int const stored = node.get<unsigned int>(KEY_THEME, 0);
    // The member follows the palette, so menus and icons agree with what
    // the window shows; a stored 3 keeps following the application.
    if (stored == THEME_APP) {
        theme = THEME_APP;
        unset_palette();
    } else {
        theme = stored <= themes::get_max_theme() ? stored : 0;
        setPalette(themes::get_palette(theme));
    }
    if constexpr (gen::os::is_desktop()) {
        QByteArray const geometry = node.get<QByteArray>(KEY_GEOMETRY, QByteArray());
        if (!geometry.isEmpty()) {
            restoreGeometry(geometry);
        }
        QByteArray const state = node.get<QByteArray>(KEY_STATE, QByteArray());
        if (!state.isEmpty()) {
            restoreState(state, 0);
        }
    }
    QFont f = font();
    int const size = node.get<int>(KEY_POINT_SIZE, f.pointSize());
    if (size >= kStoredFontMin && size <= kStoredFontMax && size != f.pointSize()) {
        f.setPointSize(size);
        setFont(f);
    }
}

void GMainWindow::save_state()
{
    gen::pp("GMainWindow::save_state");
    node.set(KEY_GEOMETRY, saveGeometry());
    node.set(KEY_STATE, saveState(0));
    node.set(KEY_POINT_SIZE, font().pointSize());
    sync_win_settings(false);
}

void GMainWindow::sync_win_settings(bool with_log)
{
    gen::pp("GMainWindow::sync_win_settings");
    if (with_log && panLog != nullptr) {
        store_log_config();
    }
    GSettings::instance().set_window_node(node, get_object_name());
}

void GMainWindow::store_log_config()
{
    if (panLog != nullptr) {
        node.set_pod(KEY_LOG, panLog->logConfig);
    }
}

void GMainWindow::cleanup()
{
    for (GPanelLogView* view : find_all<GPanelLogView>()) {
        view->remove_appender();
    }
    flagCleaned = true;
}

// ---- theme -------------------------------------------------------------------

unsigned int GMainWindow::get_theme() const
{
    return theme == THEME_APP ? themes::get_theme_type() : theme;
}

QString GMainWindow::get_theme_string() const
{
    return themes::theme_to_string(get_theme());
}

void GMainWindow::unset_palette()
{
    // A palette without resolved roles drops the window's own one.
    setPalette(QPalette());
    setAttribute(Qt::WA_SetPalette, false);
}

void GMainWindow::set_theme(unsigned int th, unsigned int)
{
    if (th <= themes::get_max_theme()) {
        setPalette(themes::get_palette(th));
        theme = th;
    } else if (th == THEME_APP) {
        unset_palette();
        theme = THEME_APP;
    } else {
        gen::pp_error("GMainWindow::set_theme, theme:$ is unknow", th);
    }
    node.set(KEY_THEME, theme);
    adapt_icons_to_theme();
    adapt_log_view();
    adapt_themes();
}

void GMainWindow::adapt_icons_to_theme()
{
    // The window's own theme is not announced application-wide, so its
    // buttons are told here; each re-themes its icon itself.
    unsigned int const th = get_theme();
    gen::pp("GMainWindow::adapt_icons_to_theme, $", themes::theme_to_string(th));
    for (GButton* button : find_all<GButton>()) {
        button->adapt_to_theme(th);
    }
}

void GMainWindow::adapt_log_view()
{
    if (panLog != nullptr) {
        panLog->adapt_to_settings(get_theme());
    }
}

void GMainWindow::adapt_themes()
{
    unsigned int const th = get_theme();
    for (QSlider* slider : findChildren<QSlider*>()) {
        styles::set_slider_handle(slider, slider->orientation(), th);
    }
    if constexpr (gen::os::is_mobile()) {
        for (GListView* list : find_all<GListView>()) {
            list->adapt_style(th);
        }
    }
}

// ---- widgets -----------------------------------------------------------------

void GMainWindow::log_many_hits(QString const& name, qsizetype hits)
{
    gen::pp("GMainWindow::find_widget, return first found object '$' but we have $ hits", name,
            static_cast<long long>(hits));
}

GPanelLogView* GMainWindow::get_panel_log_view() const
{
    // The view the window's menu and hot key act on, so the options dialog
    // edits the same one.
    if (panLog != nullptr) {
        return panLog;
    }
    return find_widget<GPanelLogView>(QString());
}

QList<QWidget*> GMainWindow::get_children(bool only_visible) const
{
    QList<QWidget*> all = findChildren<QWidget*>();
    if (only_visible) {
        all.removeIf([](QWidget* w) { return !w->isVisible(); });
    }
    return all;
}

GAction* GMainWindow::create_action(QKeySequence const& keys)
{
    auto* action = new GAction(this);
    action->setShortcut(keys);
    addAction(action);
    return action;
}

// ---- font and layout ---------------------------------------------------------

int GMainWindow::current_font_size() const
{
    QFont const f = font();
    return f.pointSize() > 0 ? f.pointSize() : f.pixelSize();
}

void GMainWindow::set_font_size(int size)
{
    if (size < kFontMin) {
        gen::pp_warn("GMainWindow::set_font_size, cannot be smaller");
    }
    if (size > kFontMax) {
        gen::pp_warn("GMainWindow::set_font_size, cannot be BIGGER");
    }
    size = std::clamp(size, kFontMin, kFontMax);
    QFont f = font();
    if (f.pointSize() > 0) {
        if (f.pointSize() == size) {
            return;
        }
        f.setPointSize(size);
    } else {
        if (f.pixelSize() == size) {
            return;
        }
        f.setPixelSize(size);
    }
    setFont(f);
    LayoutEvent ev{QWidget::size(), size, LayoutEvent::FONT_SIZE};
    do_layout_all(ev);
}

void GMainWindow::gui_scale(GUISCALE dir)
{
    bool const bigger = dir == SCALE_BIGGER;
    gen::pp("GMainWindow::gui_scale:$", bigger ? "BIGGER" : "SMALLER");
    int const points = font().pointSize();
    if (points > 0) {
        set_font_size(bigger ? points + 1 : points - 1);
    }
}

void GMainWindow::do_layout_all(LayoutEvent& ev)
{
    if (panMain != nullptr) {
        panMain->do_layout(ev);
    }
}

void GMainWindow::showEvent(QShowEvent* event)
{
    BaseWindow::showEvent(event);
    if (flagCleaned) {
        // A closed window that is shown again (it was not deleted on close)
        // gets its log panels back into the sink set.
        flagCleaned = false;
        for (GPanelLogView* view : find_all<GPanelLogView>()) {
            gen::log::add_log_appender(view);
        }
    }
    if (!flagShown) {
        flagShown = true;
        LayoutEvent ev{size(), current_font_size(), LayoutEvent::FIRST_SHOW};
        do_layout_all(ev);
    }
}

void GMainWindow::resizeEvent(QResizeEvent* event)
{
    BaseWindow::resizeEvent(event);
    gen::pp("GMainWindow::resizeEvent, @$, size:$", objectName(), event->size());
    if (!flagResized) {
        flagResized = true;
        if (!lisFirstResize.empty()) {
            lisFirstResize.fire_event(FIRE_EVENT::QUEUED);
        }
    }
    if (flagShown) {
        LayoutEvent ev{size(), current_font_size(), LayoutEvent::RESIZE};
        do_layout_all(ev);
    }
}

// ---- closing, drops, gestures -------------------------------------------------

void GMainWindow::closeEvent(QCloseEvent* event)
{
    gen::pp("GMainWindow::closeEvent");
    if (fnClose) {
        fnClose();
    }
    event->accept();
    cleanup();
    save_state();
    sync_win_settings(false);
    lisClosing.fire_event();
}

void GMainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
        gen::pp("GMainWindow::dragEnterEvent, URLs");
    }
}

void GMainWindow::dropEvent(QDropEvent* event)
{
    QMimeData const* data = event->mimeData();
    if (data->hasUrls()) {
        QList<QUrl> const urls = data->urls();
        gen::pp("GMainWindow::dropEvent, urls:$", static_cast<long long>(urls.size()));
        for (QUrl const& url : urls) {
            gen::pp(4, gen::str::xprintF(0, "GMainWindow::dropEvent, <<<$>>>", url.toLocalFile()).c_str());
        }
    }
    event->acceptProposedAction();
}

void GMainWindow::on_gesture_event(QGestureEvent* event)
{
    gen::pp("GMainWindow::on_gesture_event");
    if (auto* pinch = static_cast<QPinchGesture*>(event->gesture(Qt::PinchGesture))) {
        gen::pp(4, gen::str::xprintF(0, "GMainWindow::on_gesture_event, scaleFactor:$", pinch->scaleFactor()).c_str());
    }
}

// ---- default handlers --------------------------------------------------------

void GMainWindow::on_new_window()
{
    gen::pp("GMainWindow::on_new_window - overwrite me");
}

void GMainWindow::on_toggle_fullscreen()
{
    toggle_full_screen(nullptr);
}

void GMainWindow::on_close()
{
    close();
}

void GMainWindow::on_open()
{
    gen::pp("GMainWindow::on_open");
}

void GMainWindow::on_help()
{
    gen::pp("GMainWindow::on_help");
}

void GMainWindow::on_select_all()
{
    gen::pp("GMainWindow::on_select_all");
}

}  // namespace gen::qt
