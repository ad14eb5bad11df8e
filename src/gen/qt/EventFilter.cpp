#include <gen/qt/EventFilter.h>

#include <gen/qt/GMainWindow.h>
#include <gen/qt/event/Event.h>

#include <QApplication>
#include <QGestureEvent>
#include <QTabBar>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

namespace gen::qt {

GMainWindow* EventFilter::find_main_window(QObject* obj)
{
    if (auto* widget = qobject_cast<QWidget*>(obj)) {
        if (auto* win = dynamic_cast<GMainWindow*>(widget->window())) {
            return win;
        }
    } else if (auto* window = qobject_cast<QWindow*>(obj)) {
        // Input reaches a top-level QWindow before its widgets.
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->windowHandle() == window) {
                if (auto* win = dynamic_cast<GMainWindow*>(top)) {
                    return win;
                }
            }
        }
    }
    return dynamic_cast<GMainWindow*>(QApplication::activeWindow());
}

bool EventFilter::eventFilter(QObject* obj, QEvent* ev)
{
    automat.process_event(ev);
    switch (ev->type()) {
    case QEvent::Gesture:
        if (auto* win = dynamic_cast<GMainWindow*>(QApplication::activeWindow())) {
            win->on_gesture_event(static_cast<QGestureEvent*>(ev));
        }
        return false;
    case QEvent::Wheel: {
        if (qobject_cast<QTabBar*>(obj) != nullptr) {
            return true;
        }
        auto* wheel = static_cast<QWheelEvent*>(ev);
        if (event::mod::is_alt(wheel) && event::mod::is_ctrl(wheel)) {
            if (GMainWindow* win = find_main_window(obj)) {
                win->gui_scale(event::wheel::is_forward(wheel) ? SCALE_BIGGER : SCALE_SMALLER);
                return true;
            }
        }
        return false;
    }
    default:
        return false;
    }
}

}  // namespace gen::qt
