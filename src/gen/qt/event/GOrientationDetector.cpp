#include <gen/qt/event/GOrientationDetector.h>

#include <gen/log/pp.h>
#include <gen/qt/event/dim.h>

#include <QGuiApplication>

namespace gen::qt::dim {

GOrientationDetector::GOrientationDetector(QObject* parent)
    : QObject(parent),
      screen(QGuiApplication::primaryScreen()),
      fnAvailableSize([] {
          reset_cache();
          return get_size();
      })
{
    if (screen) {
        connect(screen, &QScreen::geometryChanged, this, [this](QRect const& rect) { on_geometry_changed(rect); });
    }
}

void GOrientationDetector::on_geometry_changed(QRect const& rect)
{
    pp("ORIENTATION CHANGED");
    if (log::is_level_active(log::LEVEL_DEBUG)) {
        pp(str::xprintF(4, "RECT:$", rect));
    }
    QSize const size = fnAvailableSize();
    if (!lisOrientation.empty()) {
        lisOrientation.fire_event(orientation_of(size));
    }
}

}  // namespace gen::qt::dim
