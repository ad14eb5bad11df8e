#include <gen/qt/GTimer.h>

namespace gen::qt {

GTimer::GTimer(QObject* parent) : QTimer(parent)
{
    connect(this, &QTimer::timeout, this, [this]() {
        if (!lisTimeout.empty()) {
            lisTimeout.fire_event(0);
        }
    });
}

void GTimer::set_start_stop(bool start)
{
    if (start) {
        this->start();
    } else {
        stop();
    }
}

}  // namespace gen::qt
