#pragma once
// Turns raw touch points into gestures: a one-finger drag reports its pan
// (pixels moved since the last update, a magnitude), two fingers report the
// pan of their centre, the ratio of their distances (pinch) and the angle
// they turned (twist, degrees) between successive updates. Owned by the
// application's event filter, which feeds it every event. GUI thread only.

#include <gen/Listener.h>

#include <QEvent>
#include <QEventPoint>

namespace gen::qt::event {

class GTouchAutomat {
public:
    enum STATE : int { IDLE = 0, ONE_FINGER = 1, TWO_FINGERS = 2 };

    // A pinch fires only when the distance changed by more than this
    // fraction, a twist only beyond this many degrees.
    static constexpr double kMinZoomChange = 0.001;
    static constexpr double kMinRotateDegrees = 0.1;

    GTouchAutomat() = default;
    GTouchAutomat(GTouchAutomat const&) = delete;
    GTouchAutomat& operator=(GTouchAutomat const&) = delete;
    virtual ~GTouchAutomat();

    // Touch begin and update events drive the steps; touch end and cancel
    // reset; every other event (and null) is ignored.
    void process_event(QEvent* event);
    void reset_state();
    void handle_one_finger(QEventPoint const& point);
    void handle_two_finger(QEventPoint const& first, QEventPoint const& second);

    // Fire the listeners (when they have entries).
    virtual void on_pan(int pixels);
    virtual void on_zoom(float ratio);
    virtual void on_rotate(float degrees);
    void on_double_tab();

    Listener<int> lisPan;
    Listener<float> lisZoom;
    Listener<float> lisRotate;

    int state = IDLE;
    double lastX = 0;
    double lastY = 0;
    double lastDistance = 0;
    double lastAngle = 0;  // radians
    double lastCenterX = 0;
    double lastCenterY = 0;
};

}  // namespace gen::qt::event
