#include <gen/qt/event/screen.h>

#include <QGuiApplication>
#include <QInputDevice>
#include <QScreen>

#include <algorithm>

namespace gen::os {

namespace {

QScreen* primary_screen()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr ? QGuiApplication::primaryScreen()
                                                                                  : nullptr;
}

}  // namespace

bool is_touch_device()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return false;
    }
    auto const devices = QInputDevice::devices();
    return std::any_of(devices.begin(), devices.end(), [](QInputDevice const* device) {
        return device != nullptr && device->type() == QInputDevice::DeviceType::TouchScreen;
    });
}

QSize primary_screen_size()
{
    QScreen const* screen = primary_screen();
    return screen != nullptr ? screen->size() : QSize(-1, -1);
}

QSize get_view_port_size(bool& ok)
{
    QSize const size = primary_screen_size();
    ok = size.width() >= 0 && size.height() >= 0;
    return ok ? size : QSize(-1, -1);
}

int smallest_width_or_height()
{
    bool ok = false;
    QSize const size = get_view_port_size(ok);
    return ok ? std::min(size.width(), size.height()) : -1;
}

bool is_small_device()
{
    int const side = smallest_width_or_height();
    return side >= 0 && side < 600;
}

}  // namespace gen::os
