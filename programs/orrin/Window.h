#pragma once
// The program's main window: the planet view, the city list and the log view
// in a vertical splitter above a row of tool buttons, with the pop-up menus
// for the body, the mode, the view and the cities, and the orbital flight.
// The user's choices live in the window's node (see the KEY_ constants) and
// reach the settings with it. GUI thread only.

#include <gen/qt/GMainWindow.h>
#include <gen/qt/GTimer.h>
#include <gen/qt/WindowClazz.h>

#include <QByteArray>
#include <QString>

#include <map>

class GLPlanet;

namespace gen::qt {
class GButton;
class GListView;
class GPanel;
class GSplitter;
}  // namespace gen::qt

namespace orrin {

class Window : public gen::qt::GMainWindow {
public:
    using Clazz = gen::qt::WindowClazz<"CWinPlanets">;

    static constexpr char const* KEY_PLANET = "planet";
    static constexpr char const* KEY_CITIES_PANEL = "controlCitiesColumns";
    static constexpr char const* KEY_CITIES = "ba";
    static constexpr char const* KEY_SEE_COORDINATES = "seeCoordinates";
    static constexpr char const* KEY_SPLITTER = "splitter";
    static constexpr char const* KEY_CAM = "cam";
    static constexpr char const* KEY_LIGHT = "light";
    static constexpr char const* KEY_MAT_PLANET = "matPlanet";
    // Byte i of "ba" is the visibility of mesh id i + 1; the highest id is 1000.
    static constexpr int CITY_BYTES = 1000;

    Window();
    ~Window() override;

    void setup() override;
    void ini() override;
    void on_new_window() override;
    void on_help() override;
    void on_select_all() override;
    void setup_base_hotkeys() override;
    QString get_type_name() const override { return QStringLiteral("Window"); }

    // The checkable orbital-flight button in `panel`.
    void on_cam_anim(gen::qt::GPanel* panel);

    void on_menu_planets();
    void on_menu_rotation(gen::qt::GButton* button);
    void on_view_menu();
    void on_menu_list_cities();
    void on_reset_view();
    void on_save_view();
    void on_restore_view();
    // Shows or hides every cylinder and checks or unchecks every row.
    void show_all_cities(bool on);
    // Parented meshes (cities and the highlight) that are visible.
    int count_selected() const;
    // What choosing a body in its menu does: starts loading its texture in
    // the background; when it is on the sphere the body becomes the window's
    // (sPlanet and "planet"). A failure, now or later, logs two ERROR lines
    // and leaves body, setting and texture as they were. False when the load
    // could not even start (unknown body, view without GL).
    bool choose_planet(QString const& name);

    std::map<QString, QString> planets;  // body name to texture resource
    GLPlanet* glPlanet = nullptr;        // owned by its window container
    QString sPlanet = QStringLiteral("Earth/day");
    QByteArray baCities;
    gen::qt::GPanel* panCities = nullptr;
    gen::qt::GListView* listCities = nullptr;
    gen::qt::GTimer timerAnim;
    gen::qt::GButton* btnMode = nullptr;
    gen::qt::GButton* btnAnim = nullptr;
    gen::qt::GSplitter* splitter = nullptr;

private:
    void build_button_row();
    void build_city_panel();
    // GL set-up done: mode button, city list from the meshes.
    void on_gl_ready();
    void on_city_toggled(unsigned int id, QString const& name, bool shown);
    void store_cities();
};

}  // namespace orrin
