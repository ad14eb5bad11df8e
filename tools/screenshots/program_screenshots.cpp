// Saves what a user sees of the real main window, on a private settings
// store, to the folder given (run under Xvfb):
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/tools/screenshots/program_screenshots out/
// first_start.png (with the welcome question), dark_cities.png (dark theme,
// city panel open, London hovered), earth_big_close.png (Earth/big zoomed in
// on Europe).

#include "GLPlanet.h"
#include "Window.h"
#include "helper.h"

#include "support/TempSettings.h"

#include <gen/math/sphere.h>
#include <gen/qt/GApp.h>
#include <gen/qt/GListView.h>
#include <gen/qt/GSettings.h>

#include <QDir>
#include <QMessageBox>
#include <QScreen>
#include <QStandardItemModel>
#include <QTest>


#include <cstdio>
#include <memory>

namespace {

// The screen under the window's frame, so boxes over it are included.
bool save(QWidget& win, QString const& path)
{
    QRect const frame = win.frameGeometry().adjusted(-1, -1, 1, 1);
    QPixmap const shot = win.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    bool const ok = shot.save(path);
    std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(path));
    return ok;
}

// Where a city stands in the view, in its logical pixels.
QPoint city_on_screen(GLPlanet& view, char const* name)
{
    for (auto const& city : view.cities) {
        if (city.name == name) {
            return view.project(gen::math::sphere::latlon_to_vec(city.lat, city.lon)).toPoint();
        }
    }
    return {};
}

}  // namespace

int main(int argc, char** argv)
{
    QString const folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    test::TempSettings store;
    gen::qt::GSettings::reset_instance();
    gen::qt::GApp app(argc, argv);
    bool ok = true;

    auto win = std::make_unique<orrin::Window>();
    win->resize(800, 600);
    win->set_string("Skyvale");
    win->setup();
    win->show();
    showInfoLimitEarth(win.get(), gen::qt::GApp::get_node());
    QTest::qWait(1500);
    ok &= save(*win, folder + "/first_start.png");
    for (auto* box : win->findChildren<QMessageBox*>()) {
        box->close();
    }

    win->set_theme(1);
    win->panCities->set_visible(true);
    for (char const* city : {"London", "Paris", "Berlin", "Rome", "Madrid", "Cairo", "Lagos"}) {
        auto const rows = win->listCities->get_model()->findItems(QString::fromLatin1(city));
        if (!rows.isEmpty()) {
            rows.first()->setCheckState(Qt::Checked);
        }
    }
    QTest::qWait(500);
    QTest::mouseMove(win->glPlanet, city_on_screen(*win->glPlanet, "London"));
    QTest::qWait(800);
    ok &= save(*win, folder + "/dark_cities.png");

    win->set_theme(0);
    win->panCities->set_visible(false);
    ok &= win->choose_planet(QStringLiteral("Earth/big"));
    // The big map arrives in the background.
    ok &= QTest::qWaitFor([&win]() { return !win->glPlanet->is_loading_texture(); }, 20000);
    win->glPlanet->cam.set_fov_zoom(12);
    win->glPlanet->graph.get_root().set_rotation(50.0f, glm::vec3(1, 0, 0));
    win->glPlanet->graph.transform();
    win->glPlanet->update();
    QTest::qWait(1500);
    ok &= save(*win, folder + "/earth_big_close.png");

    win.reset();
    return ok ? 0 : 1;
}
