#pragma once
// The application-wide event filter: feeds every event to the touch
// automaton, hands gestures to the active main window, turns Ctrl+Alt+wheel
// into a font scale step of the main window under the wheel and keeps the
// wheel from switching tabs of a tab bar. GUI thread only.

#include <gen/qt/event/GTouchAutomat.h>

#include <QObject>

class QEvent;

namespace gen::qt {

class GMainWindow;

class EventFilter : public QObject {
public:
    explicit EventFilter(QObject* parent = nullptr) : QObject(parent) {}

    // True (consumed) for Ctrl+Alt+wheel over a main window and for any
    // wheel over a QTabBar; everything else passes on.
    bool eventFilter(QObject* obj, QEvent* ev) override;

    // The main window that `obj` (a widget or a top-level QWindow) belongs
    // to, else the active window when that is a main window, else null.
    static GMainWindow* find_main_window(QObject* obj);

    event::GTouchAutomat automat;
};

}  // namespace gen::qt
