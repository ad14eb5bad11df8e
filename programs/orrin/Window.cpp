#include "Window.h"

#include "GLPlanet.h"
#include "helper.h"

#include <gen/log/pp.h>
#include <gen/qt/GButton.h>
#include <gen/qt/GListView.h>
#include <gen/qt/GMainPanel.h>
#include <gen/qt/GPanelLogView.h>
#include <gen/qt/GSplitter.h>
#include <gen/qt/gl/GWrapGL.h>
#include <gen/qt/guitools/GGui.h>
#include <gen/tools/os.h>

#include <QSizePolicy>
#include <QStandardItem>
#include <QStandardItemModel>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace orrin {

namespace {

// The panes grow with the window, the view more than the others.
void expanding(QWidget* w)
{
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::MinimumExpanding);
    policy.setHorizontalStretch(1);
    policy.setVerticalStretch(1);
    w->setSizePolicy(policy);
}

}  // namespace

Window::Window() = default;

Window::~Window() = default;

void Window::setup()
{
    setup_node<Clazz>();
    ini_standards();
}

void Window::setup_base_hotkeys()
{
    GMainWindow::setup_base_hotkeys();
}

void Window::ini()
{
    planets = {{"Mercury", ":/wb/img/2k_mercury.jpg"}, {"Venus", ":/wb/img/2k_venus.jpg"},
               {"Earth/small", ":/wb/img/1k_earth.jpg"}, {"Earth/medium", ":/wb/img/2k_earth.jpg"},
               {"Earth/big", ":/wb/img/8k_earth.jpg"},   {"Moon", ":/wb/img/2k_moon.jpg"},
               {"Mars", ":/wb/img/2k_mars.jpg"},         {"Jupiter", ":/wb/img/2k_jupiter.jpg"},
               {"Saturn", ":/wb/img/2k_saturn.jpg"},     {"Uranus", ":/wb/img/2k_uranus.jpg"},
               {"Neptune", ":/wb/img/2k_neptune.jpg"},   {"Pluto", ":/wb/img/2k_pluto.jpg"}};
    sPlanet = node.ensure<QString>(KEY_PLANET, QStringLiteral("Earth/small"));
    if (planets.count(sPlanet) == 0) {
        // A name this version does not know (or a damaged value): show the
        // default body, and keep the stored value for a version that knows it.
        gen::pp_warn("Window::ini, unknown planet <<<$>>>, showing Earth/small", sPlanet);
        sPlanet = QStringLiteral("Earth/small");
    }
    bool const showCities = node.ensure<bool>(KEY_CITIES_PANEL, false);
    baCities = node.ensure<QByteArray>(KEY_CITIES, QByteArray(CITY_BYTES, 0));
    if (baCities.size() != CITY_BYTES) {
        // Every id up to 1000 needs its byte; what was stored is kept, and
        // the mended value replaces the damaged one, so it warns only once.
        gen::pp_warn("Window::ini, 'ba' holds $ bytes, not $: resized", baCities.size(), CITY_BYTES);
        baCities.resize(CITY_BYTES, 0);
        store_cities();
    }

    gen::qt::GMainPanel* panMainPanel = create_main_panel(gen::qt::LAYOUT_VERT);
    splitter = panMainPanel->create<gen::qt::GSplitter>(Qt::Vertical);
    splitter->setChildrenCollapsible(false);

    auto* panPlanet = new gen::qt::GPanel(gen::qt::LAYOUT_VERT);
    panPlanet->set_margins(0);
    expanding(panPlanet);
    splitter->addWidget(panPlanet);
    gen::pp("Window::ini, planet <$>", sPlanet);
    glPlanet = new GLPlanet();
    auto* wrap = new gen::qt::gl::GWrapGL(glPlanet);
    expanding(wrap);
    panPlanet->add_widget(wrap);
    // The big map would hold up the start: the small one is shown at once
    // and the big one follows when it is ready.
    QString const shownFirst = sPlanet == QLatin1String("Earth/big") ? QStringLiteral("Earth/small") : sPlanet;
    glPlanet->sTexture = planets[shownFirst];
    if (shownFirst != sPlanet) {
        glPlanet->lisIniGL += [this, path = planets[sPlanet]]() {
            glPlanet->load_texture_later(path, [path](bool ok) {
                if (!ok) {
                    GLPlanet::report_start_texture_failed(path);
                }
            });
        };
    }
    glPlanet->seeCoordinates = node.ensure<bool>(KEY_SEE_COORDINATES, true);

    panCities = new gen::qt::GPanel(gen::qt::LAYOUT_VERT);
    panCities->set_margins(0);
    expanding(panCities);
    splitter->addWidget(panCities);

    auto* panLogView = new gen::qt::GPanelLogView();
    splitter->addWidget(panLogView);
    ini_log_view(panLogView);
    panLogView->setMinimumHeight(100);

    build_button_row();
    build_city_panel();
    panCities->set_visible(showCities);

    glPlanet->lisIniGL += [this]() { on_gl_ready(); };
    splitter->lisMoved += [this](int const&) { node.set(KEY_SPLITTER, splitter->saveState()); };
    QByteArray const splitterState = node.get<QByteArray>(KEY_SPLITTER, QByteArray());
    if (!splitterState.isEmpty()) {
        splitter->restoreState(splitterState);
    }
    if (!gen::os::is_mobile()) {
        glPlanet->lisDoubleClick = []() {};
    }
    glPlanet->lisIniGL += [this]() {
        if (!node.contains(KEY_CAM)) {
            on_save_view();
        }
        on_restore_view();
    };
    timerAnim.lisTimeout += [this](int const&) { glPlanet->anim_rotation(); };
}

void Window::build_button_row()
{
    gen::qt::GPanel* row = panMain->create_pan_horz();
    row->set_margins(0);
    row->setObjectName(QStringLiteral("buttons"));
    create_panel_option_log(row);

    row->create<gen::qt::GButton>(":/wb/icons/expand.svg", "Toggle Fullscreen")->lisClicked +=
        []() { gen::qt::toggle_full_screen(nullptr); };
    row->create<gen::qt::GButton>(":/wb/icons/planet.svg", "Choose Planet")->lisClicked +=
        [this]() { on_menu_planets(); };
    btnMode = row->create<gen::qt::GButton>("R", "Mode:\nRotate World");
    btnMode->adapt_size_to_font(gen::os::is_windows() ? 16 : 10);
    btnMode->lisClicked += [this]() { on_menu_rotation(btnMode); };
    auto* btnView = row->create<gen::qt::GButton>("VIEW", "Save/Restore/Reset View");
    btnView->adapt_size_to_font(8);
    btnView->lisClicked += [this]() { on_view_menu(); };
    auto* btnCities = row->create<gen::qt::GButton>(":/wb/icons/cylinder.svg", "Population of capital cities");
    btnCities->adapt_size_to_font(4);
    btnCities->lisClicked += [this]() { on_menu_list_cities(); };
    on_cam_anim(row);
    if (gen::os::is_desktop()) {
        row->create<gen::qt::GButton>(":/wb/icons/window.svg", "New Window")->lisClicked +=
            [this]() { on_new_window(); };
    }
    auto* btnHelp = row->create<gen::qt::GButton>("?", "Help");
    btnHelp->adapt_size_to_font(10);
    btnHelp->lisClicked += [this]() { on_help(); };
    row->create_spacer_horz();
}

void Window::build_city_panel()
{
    gen::qt::GPanel* row = panCities->create_pan_horz();
    row->set_margins(0);
    auto* btnAll = row->create<gen::qt::GButton>("all");
    btnAll->lisClicked += [this]() { show_all_cities(true); };
    auto* btnNone = row->create<gen::qt::GButton>("none");
    btnNone->lisClicked += [this]() { show_all_cities(false); };
    row->create<gen::qt::GButton>("X")->lisClicked += [this]() { panCities->set_visible(false); };
    row->create_spacer_horz();
    panCities->lisVisible += [this, btnAll, btnNone](bool const& visible) {
        btnAll->setVisible(visible);
        btnNone->setVisible(visible);
        // A list opened after start takes its full height from the splitter
        // once the splitter has laid it out; the view keeps two thirds of
        // what they share.
        if (visible) {
            QTimer::singleShot(0, splitter, [this]() {
                QList<int> sizes = splitter->sizes();
                int const shared = sizes.value(0) + sizes.value(1);
                if (sizes.size() > 1 && sizes[0] < shared / 2) {
                    sizes[0] = shared * 2 / 3;
                    sizes[1] = shared - sizes[0];
                    splitter->setSizes(sizes);
                }
            });
        }
    };

    listCities = new gen::qt::GListView(new QStandardItemModel());
    listCities->setMinimumHeight(100);
    listCities->setSelectionMode(QAbstractItemView::NoSelection);
    listCities->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listCities->setFocusPolicy(Qt::NoFocus);
    listCities->setAttribute(Qt::WA_InputMethodEnabled, false);
    panCities->add_widget(listCities);
    listCities->lisItem += [this](QStandardItem* const& item) {
        on_city_toggled(item->data(Qt::UserRole).toUInt(), item->text(), item->checkState() == Qt::Checked);
    };
}

void Window::on_cam_anim(gen::qt::GPanel* panel)
{
    btnAnim = panel->create<gen::qt::GButton>(":/wb/icons/app.svg", "Start- Stop Animation Orbital Flight");
    btnAnim->setCheckable(true);
    btnAnim->lisClicked += [this]() {
        timerAnim.setInterval(20);
        timerAnim.set_start_stop(btnAnim->isChecked());
    };
    glPlanet->lisMousePress += [this](QMouseEvent* const&) {
        timerAnim.set_start_stop(false);
        btnAnim->set_checked(false, false);
    };
}

void Window::on_gl_ready()
{
    set_mode_and_gui(glPlanet->mfState, glPlanet, btnMode);
    gen::pp("win ini, mfState:$", glPlanet->mfState.to_string());
    std::vector<gen::qt::gl::GLMesh*> meshes;
    for (auto& [id, mesh] : glPlanet->graph.meshes) {
        if (mesh.has_parent()) {
            mesh.set_visible(false);
            meshes.push_back(&mesh);
        }
    }
    std::stable_sort(meshes.begin(), meshes.end(),
                     [](auto const* a, auto const* b) { return a->name < b->name; });
    for (gen::qt::gl::GLMesh* mesh : meshes) {
        bool const shown = baCities[mesh->id - 1] != 0;
        mesh->set_visible(shown);
        listCities->create_item(mesh->name, true, shown, QVariant(mesh->id));
    }
}

void Window::on_city_toggled(unsigned int id, QString const& name, bool shown)
{
    gen::pp("city * toggled: id=$ name='$' visible=$", id, name, shown);
    if (id == 0 || id > static_cast<unsigned int>(CITY_BYTES)) {
        return;
    }
    baCities[id - 1] = shown ? 1 : 0;
    store_cities();
    glPlanet->graph.get_mesh(id).set_visible(shown);
    glPlanet->update();
}

void Window::store_cities()
{
    node.set(KEY_CITIES, baCities);
}

void Window::on_new_window()
{
    gen::pp("Window::on_new_window");
    auto* win = new Window();
    win->resize(800, 600);
    win->setup();
    win->set_delete_on_close(true);
    win->show();
}

void Window::on_help()
{
    gen::pp("Window::on_help");
    showInfo(this);
}

}  // namespace orrin
