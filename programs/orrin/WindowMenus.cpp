// The main window's pop-up menus, the saved view and the city selection.

#include "GLPlanet.h"
#include "Window.h"
#include "helper.h"

#include <gen/log/pp.h>
#include <gen/qt/GAction.h>
#include <gen/qt/GListView.h>
#include <gen/qt/GMenu.h>
#include <gen/qt/GPanel.h>
#include <gen/tools/os.h>

#include <glm/gtc/type_ptr.hpp>

#include <cmath>

namespace orrin {

namespace {

namespace gl = gen::qt::gl;

// Pops the menu up at the pointer, `shift` pixels higher on sandboxed
// platforms. Menus are built afresh at each click, so each goes once hidden
// (after its chosen action has run).
void pop_up(gen::qt::GMenu* menu, int shift)
{
    QObject::connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    menu->show_at_mouse_pos(gen::os::is_sandboxed() ? -shift : 0);
}

bool all_finite(float const* values, int count)
{
    return std::all_of(values, values + count, [](float v) { return std::isfinite(v); });
}

// A stored camera the view can draw with: a damaged or foreign value would
// leave a black or NaN-filled view.
bool usable(gl::Camera const& c)
{
    return all_finite(&c.vPos.x, 15) && c.fov >= 1.0f && c.fov <= 120.0f && c.zNear > 0.0f &&
           c.zFar > c.zNear && c.distance > 0.0f && glm::length(c.qRotation) > 0.5f;
}

bool usable(gl::Light const& l)
{
    return all_finite(&l.vPos.x, 7);
}

bool usable(glm::mat4 const& m)
{
    return all_finite(glm::value_ptr(m), 16) && std::abs(glm::determinant(glm::mat3(m))) > 1e-3f;
}

}  // namespace

void Window::on_menu_planets()
{
    gen::pp("Window::on_menu_planets");
    gen::qt::GMenu* menu = gen::qt::GMenu::create_menu(this, 0);
    for (auto const& [name, path] : planets) {
        gen::qt::GAction* action = menu->create_action(name, true, name == sPlanet, true, 200);
        action->lisTriggered += [this, name = name](int const&) { choose_planet(name); };
    }
    pop_up(menu, 0);
}

bool Window::choose_planet(QString const& name)
{
    auto const found = planets.find(name);
    QString const path = found != planets.end() ? found->second : QString();
    auto const failed = [path]() {
        gen::pp_error("GLFigureWindow::on_menu_planets, problems loading texture");
        gen::pp_error("$", path);
    };
    if (path.isEmpty()) {
        failed();
        return false;
    }
    // The choice counts once its texture is on the sphere: the menu's check
    // and the stored body move then, and stay on the old body when it fails.
    return glPlanet->load_texture_later(path, [this, name, failed](bool ok) {
        if (!ok) {
            failed();
            return;
        }
        sPlanet = name;
        node.set(KEY_PLANET, name);
    });
}

void Window::on_menu_rotation(gen::qt::GButton* button)
{
    gen::pp("Window::on_menu_rotation");
    MultiFuncState const s = glPlanet->mfState;
    gen::qt::GMenu* menu = gen::qt::GMenu::create_menu(this, 220);
    menu->create_label(QStringLiteral("Rotation"), gen::qt::font::ITALIC);
    menu->create_separator();
    auto add = [&](char const* text, bool checked, bool cam, bool planet, bool planetZ, bool light, bool head) {
        gen::qt::GAction* action = menu->create_action(QString::fromLatin1(text), true, checked, true, 200);
        action->lisTriggered += [=, this](int const&) {
            MultiFuncState mode;
            mode.set_rotation_cam(cam);
            mode.set_rotation_planet(planet);
            mode.set_rotation_planet_Z(planetZ);
            mode.set_rotation_light(light);
            mode.set_light_follow_cam(head);
            set_mode_and_gui(mode, glPlanet, button);
        };
    };
    add("Planet", s.is_rotation_planet(), false, true, false, false, false);
    add("Planet-Z", s.is_rotation_planet_Z(), false, false, true, false, false);
    menu->create_separator();
    add("Light", s.is_rotation_light(), false, false, false, true, false);
    menu->create_separator();
    add("Camera", s.is_rotation_cam() && !s.is_light_follow_cam(), true, false, false, false, false);
    add("Camera + Headlight", s.is_rotation_cam() && s.is_light_follow_cam(), true, false, false, false, true);
    pop_up(menu, 250);
}

void Window::on_view_menu()
{
    gen::pp("Window::on_view_menu");
    gen::qt::GMenu* menu = gen::qt::GMenu::create_menu(this, 150);
    gen::qt::GAction* coordinates = menu->create_action(QStringLiteral("Geo Coordinates"), true,
                                                        glPlanet->seeCoordinates, true, 200);
    coordinates->lisChecked += [this](bool const& on) {
        glPlanet->seeCoordinates = on;
        gen::pp("Window::on_view_menu, geo coordinates showing:$", on);
        glPlanet->update();
    };
    menu->create_separator();
    menu->create_action(QStringLiteral("Reset"))->lisTriggered += [this](int const&) { on_reset_view(); };
    menu->create_separator();
    menu->create_action(QStringLiteral("Save"))->lisTriggered += [this](int const&) { on_save_view(); };
    menu->create_action(QStringLiteral("Restore"), false, false, node.contains(KEY_CAM))->lisTriggered +=
        [this](int const&) { on_restore_view(); };
    pop_up(menu, 150);
}

void Window::on_reset_view()
{
    gen::pp("Window::on_reset_view");
    glPlanet->reset_view_and_model();
    if (glPlanet->seeCoordinates) {
        glPlanet->sGeoInfo.clear();
    }
    glPlanet->update();
}

void Window::on_save_view()
{
    gen::pp("Window::on_save_view");
    node.set_pod(KEY_CAM, glPlanet->cam);
    node.set_pod(KEY_LIGHT, glPlanet->light);
    node.set_pod(KEY_MAT_PLANET, glPlanet->graph.get_root().matModel);
}

void Window::on_restore_view()
{
    gen::pp("Window::on_restore_view");
    if (node.contains(KEY_LIGHT)) {
        gl::Light const light = node.get_pod<gl::Light>(KEY_LIGHT, glPlanet->light);
        if (usable(light)) {
            glPlanet->light = light;
        } else {
            gen::pp_warn("Window::on_restore_view, stored light refused");
        }
    }
    if (!node.contains(KEY_CAM)) {
        return;
    }
    gl::Camera const cam = node.get_pod<gl::Camera>(KEY_CAM, glPlanet->cam);
    if (usable(cam)) {
        glPlanet->cam = cam;
    } else {
        gen::pp_warn("Window::on_restore_view, stored camera refused");
    }
    gl::GLMesh& root = glPlanet->graph.get_root();
    glm::mat4 const matrix = node.get_pod<glm::mat4>(KEY_MAT_PLANET, root.matModel);
    if (usable(matrix)) {
        root.matModel = matrix;
    } else {
        gen::pp_warn("Window::on_restore_view, stored planet matrix refused");
    }
    glPlanet->graph.transform();
    if (glPlanet->seeCoordinates) {
        glPlanet->sGeoInfo.clear();
    }
    glPlanet->update();
}

void Window::on_menu_list_cities()
{
    gen::pp("Window::on_menu_list_cities");
    gen::qt::GMenu* menu = gen::qt::GMenu::create_menu(this, 150);
    menu->create_label(QStringLiteral("City selection"), gen::qt::font::ITALIC);
    menu->create_separator();
    menu->create_action(QStringLiteral("all"))->lisTriggered += [this](int const&) { show_all_cities(true); };
    menu->create_action(QStringLiteral("none"))->lisTriggered += [this](int const&) { show_all_cities(false); };
    menu->create_separator();
    menu->create_action(QStringLiteral("individual"))->lisTriggered +=
        [this](int const&) { panCities->set_visible(panCities->isHidden()); };
    pop_up(menu, 150);
}

void Window::show_all_cities(bool on)
{
    for (auto& [id, mesh] : glPlanet->graph.meshes) {
        if (mesh.has_parent() && id >= 1 && id <= static_cast<unsigned int>(CITY_BYTES)) {
            baCities[id - 1] = on ? 1 : 0;
            mesh.set_visible(on);
        }
    }
    listCities->select_all(on);
    store_cities();
    glPlanet->update();
}

int Window::count_selected() const
{
    int n = 0;
    for (auto const& [id, mesh] : glPlanet->graph.meshes) {
        n += mesh.has_parent() && mesh.is_visible() ? 1 : 0;
    }
    return n;
}

void Window::on_select_all()
{
    int const n = count_selected();
    gen::pp("Window::on_select_all, sel:$", n);
    show_all_cities(n == 0);
}

}  // namespace orrin
