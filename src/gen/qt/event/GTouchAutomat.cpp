#include <gen/qt/event/GTouchAutomat.h>

#include <gen/log/pp.h>

#include <QTouchEvent>

#include <cmath>
#include <numbers>

namespace gen::qt::event {

namespace {

// Screen coordinates: the filter sees the same touch delivered to widgets
// with different local origins, and the screen frame is common to all.
QPointF position_of(QEventPoint const& point)
{
    return point.globalPosition();
}

// An angle difference folded into (-π, π], so fingers crossing the ±180°
// line of atan2 report the small turn they made, not nearly a full circle.
double fold_angle(double radians)
{
    constexpr double pi = std::numbers::pi;
    double folded = std::remainder(radians, 2 * pi);
    if (folded <= -pi) {
        folded += 2 * pi;
    }
    return folded;
}

}  // namespace

GTouchAutomat::~GTouchAutomat() = default;

void GTouchAutomat::process_event(QEvent* event)
{
    if (event == nullptr) {
        return;
    }
    switch (event->type()) {
    case QEvent::TouchBegin:
        // A new touch starts a new gesture, whatever an earlier cancelled
        // one left behind.
        reset_state();
        [[fallthrough]];
    case QEvent::TouchUpdate: {
        QList<QEventPoint> const& points = static_cast<QTouchEvent*>(event)->points();
        if (points.size() == 1) {
            handle_one_finger(points[0]);
        } else if (points.size() >= 2) {
            handle_two_finger(points[0], points[1]);
        }
        break;
    }
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        reset_state();
        break;
    default:
        break;
    }
}

void GTouchAutomat::reset_state()
{
    pp_trace("GTouchAutomat::reset_state");
    state = IDLE;
    lastDistance = 0;
    lastAngle = 0;
}

void GTouchAutomat::handle_one_finger(QEventPoint const& point)
{
    QPointF const pos = position_of(point);
    if (state != ONE_FINGER) {
        state = ONE_FINGER;
        lastX = pos.x();
        lastY = pos.y();
        return;
    }
    int const pan = static_cast<int>(std::lround(std::hypot(pos.x() - lastX, pos.y() - lastY)));
    lastX = pos.x();
    lastY = pos.y();
    if (pan != 0) {
        on_pan(pan);
    }
}

void GTouchAutomat::handle_two_finger(QEventPoint const& first, QEventPoint const& second)
{
    pp_trace("GTouchAutomat::handle_two_finger");
    QPointF const a = position_of(first);
    QPointF const b = position_of(second);
    double const centerX = (a.x() + b.x()) / 2;
    double const centerY = (a.y() + b.y()) / 2;
    double const distance = std::hypot(b.x() - a.x(), b.y() - a.y());
    double const angle = std::atan2(b.y() - a.y(), b.x() - a.x());
    if (state != TWO_FINGERS) {
        state = TWO_FINGERS;
        lastDistance = distance;
        lastAngle = angle;
        lastCenterX = centerX;
        lastCenterY = centerY;
        return;
    }
    int const pan = static_cast<int>(std::lround(std::hypot(centerX - lastCenterX, centerY - lastCenterY)));
    if (pan != 0) {
        on_pan(pan);
    }
    if (lastDistance > 0) {
        float const ratio = static_cast<float>(distance / lastDistance);
        if (std::fabs(ratio - 1.0) > kMinZoomChange) {
            on_zoom(ratio);
        }
    }
    float const rotation = static_cast<float>(fold_angle(angle - lastAngle) * 180.0 / std::numbers::pi);
    if (std::fabs(rotation) > kMinRotateDegrees) {
        on_rotate(rotation);
    }
    lastDistance = distance;
    lastAngle = angle;
    lastCenterX = centerX;
    lastCenterY = centerY;
}

void GTouchAutomat::on_pan(int pixels)
{
    if (!lisPan.empty()) {
        lisPan.fire_event(pixels);
    }
}

void GTouchAutomat::on_zoom(float ratio)
{
    pp("GTouchAutomat::on_zoom, delta:$", ratio);
    lisZoom.fire_event(ratio);
}

void GTouchAutomat::on_rotate(float degrees)
{
    pp("GTouchAutomat::on_rotate, degree:$", degrees);
    lisRotate.fire_event(degrees);
}

void GTouchAutomat::on_double_tab()
{
    pp("GTouchAutomat::on_double_tab");
}

}  // namespace gen::qt::event
