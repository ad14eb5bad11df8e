// GMainWindow, continued: the log tool buttons, the options menu, the log
// options dialog, the logging switch and the standard hot keys.
#include <gen/qt/GMainWindow.h>

#include <gen/log/fatal.h>
#include <gen/log/pp.h>
#include <gen/qt/GAction.h>
#include <gen/qt/GButton.h>
#include <gen/qt/GMenu.h>
#include <gen/qt/GPanelLogView.h>
#include <gen/qt/dialogs/GDialogOption.h>
#include <gen/qt/themes.h>
#include <gen/store/LogConfigGType.h>
#include <gen/tools/os.h>

namespace gen::qt {

namespace {
constexpr unsigned int kMenuWidth = 150;
// Sandboxed (touch) platforms lift the menu above the finger.
constexpr int kMenuLiftSandboxed = -150;
// A stored log font size outside this range (points) is not applied.
constexpr unsigned int kLogFontMin = 6;
constexpr unsigned int kLogFontMax = 28;
}  // namespace

GPanel* GMainWindow::create_panel_option_log(GPanel* panParent)
{
    GEN_CHECK_NULL(panParent);
    GPanel* pan = panParent->create_pan_horz();
    pan->setObjectName(QStringLiteral("panOptionLog"));
    pan->set_margins(0);

    auto* options = pan->create<GButton>(":/wb/icons/wheel.svg", "Options");
    options->lisClicked += [this]() { on_menu_options(); };
    auto* clear = pan->create<GButton>(":/wb/icons/delete.svg", "Clears Log Panel");
    clear->lisClicked += [this]() {
        if (panLog != nullptr) {
            panLog->clear();
        }
    };
    auto* copy = pan->create<GButton>(":/wb/icons/copy.svg", "copy to clipboard");
    copy->lisClicked += [this]() {
        if (panLog != nullptr) {
            panLog->copy_to_clipboard();
        }
    };
    auto* line = pan->create<GButton>(":/wb/icons/minus1.svg", "Creates a Debug Line");
    line->lisClicked += []() { gen::pp_line(); };

    logButtons = {clear, copy, line};
    show_log_buttons(is_logging());
    lisLogging.append("GMainWindow::create_panel_option_log", [this](bool const& on) { show_log_buttons(on); });
    return pan;
}

void GMainWindow::show_log_buttons(bool on)
{
    for (GButton* button : logButtons) {
        bool const mobile_hidden = gen::os::is_mobile() && button == logButtons.back();
        button->setVisible(on && !mobile_hidden);
    }
}

bool GMainWindow::is_logging() const
{
    return panLog != nullptr && panLog->is_enabled();
}

void GMainWindow::set_logging(bool on)
{
    if (panLog == nullptr) {
        return;
    }
    panLog->set_enabled(on);
    store_log_config();
    lisLogging.fire_event(on);
}

GMenu* GMainWindow::build_options_menu()
{
    GMenu* menu = GMenu::create_menu(this, kMenuWidth);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QFont const f = font();
    if (gen::log::is_level_active(gen::log::LEVEL_DEBUG)) {
        QString const cfg = panLog != nullptr ? panLog->logConfig.to_string() : QStringLiteral("no log view");
        gen::pp("GMainWindow::on_menu_options, flagGui:$, cfg: ($)", is_logging(), cfg);
        gen::pp("GMainWindow::on_menu_options, pointSize:$", f.pointSize());
        gen::pp("GMainWindow::on_menu_options, pixelSize:$", f.pixelSize());
    }

    GAction* logging = menu->create_action(QStringLiteral("Logging"), true, is_logging(), panLog != nullptr);
    logging->lisChecked += [this](bool const& flag) {
        gen::pp("GMainWindow::on_menu_log, flag:$", flag);
        set_logging(flag);
    };
    GAction* options = menu->create_action(QStringLiteral("Options"), false, false, is_logging());
    options->lisTriggered += [this](int const&) { on_log_options(); };
    menu->create_separator();

    GMenu* sub = menu->create_sub_menu(QStringLiteral("Theme"), kMenuWidth);
    unsigned int const current = get_theme();
    char const* const names[] = {"Normal", "Dark", "Green"};
    for (unsigned int th = 0; th < 3; ++th) {
        GAction* entry = sub->create_action(QString::fromLatin1(names[th]), true, th == current);
        entry->lisTriggered += [this, th](int const&) { set_theme(th); };
    }
    return menu;
}

void GMainWindow::on_menu_options()
{
    GMenu* menu = build_options_menu();
    menu->show_at_mouse_pos(gen::os::is_sandboxed() ? kMenuLiftSandboxed : 0);
}

void GMainWindow::on_logger()
{
    if (panLog != nullptr) {
        set_logging(!panLog->is_enabled());
    }
    gen::pp("GMainWindow::on_logger");
}

void GMainWindow::on_log_options()
{
    gen::pp("GMainWindow::on_options");
    if (panLog == nullptr) {
        // The dialog edits the log view; without one there is nothing to edit.
        gen::pp("pan log ?");
        return;
    }
    auto* dialog = new GDialogOption(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setPalette(palette());
    dialog->setAutoFillBackground(true);
    dialog->setFont(font());
    dialog->lisFontSize += [this](unsigned int const& size) {
        gen::pp("GMainWindow::on_options, fontSize:$", size);
        if (panLog != nullptr) {
            panLog->set_font_size(static_cast<int>(size));
        } else {
            gen::pp("pan log ?");
        }
    };
    dialog->ini();
    dialog->setModal(true);
    dialog->show();
}

void GMainWindow::setup_base_hotkeys()
{
    struct Key {
        QKeySequence keys;
        void (GMainWindow::*fn)();
    };
    Key const keys[] = {
        {QKeySequence(QKeySequence::HelpContents), &GMainWindow::on_help},
        {QKeySequence(QKeySequence::Close), &GMainWindow::on_close},
        {QKeySequence(QKeySequence::New), &GMainWindow::on_new_window},
        {QKeySequence(QKeySequence::Open), &GMainWindow::on_open},
        {QKeySequence(QKeySequence::FullScreen), &GMainWindow::on_toggle_fullscreen},
        {QKeySequence(QKeySequence::SelectAll), &GMainWindow::on_select_all},
        {QKeySequence(QStringLiteral("Ctrl+L")), &GMainWindow::on_logger},
    };
    for (Key const& key : keys) {
        GAction* action = create_action(key.keys);
        auto fn = key.fn;
        action->lisTriggered += [this, fn](int const&) { (this->*fn)(); };
    }
}

void GMainWindow::ini_log_view(GPanelLogView* view)
{
    GEN_CHECK_NULL(view);
    panLog = view;
    gen::log::LogConfig cfg;
    cfg.ini();
    if (node.contains(KEY_LOG)) {
        cfg = node.get_pod<gen::log::LogConfig>(KEY_LOG, cfg);
    }
    if (cfg.fontSize < kLogFontMin || cfg.fontSize > kLogFontMax) {
        cfg.fontSize = 10;
    }
    view->set_config(cfg);
    view->set_font_size(static_cast<int>(cfg.fontSize));
    view->set_enabled(cfg.is_enabled());
}

GPanelLogView* GMainWindow::create_log_view(GPanel* panParent)
{
    GEN_CHECK_NULL(panParent);
    auto* view = panParent->create<GPanelLogView>();
    ini_log_view(view);
    return view;
}

}  // namespace gen::qt
