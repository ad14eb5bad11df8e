#pragma once
// Reports portrait/landscape changes of the primary screen through a
// listener. Lives on the GUI thread (a member of the application object).

#include <gen/Listener.h>

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QScreen>
#include <QSize>

#include <functional>

namespace gen::qt::dim {

class GOrientationDetector : public QObject {
public:
    // Follows the primary screen of the moment; none without a screen.
    explicit GOrientationDetector(QObject* parent = nullptr);

    // The screen's geometry changed: fires the listener (when it has entries)
    // with Qt::Vertical when the available height exceeds the width, else
    // Qt::Horizontal.
    void on_geometry_changed(QRect const& rect);

    Listener<Qt::Orientation> lisOrientation;
    // Cleared by Qt if the screen goes away.
    QPointer<QScreen> screen;
    // The available size after a change. By default the cached screen size is
    // dropped and read again, since a turned screen has a new size.
    std::function<QSize()> fnAvailableSize;
};

}  // namespace gen::qt::dim
