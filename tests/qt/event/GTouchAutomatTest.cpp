#include <gen/qt/event/GTouchAutomat.h>

#include <gtest/gtest.h>

#include <QPointingDevice>
#include <QTouchEvent>

#include <cmath>
#include <numbers>
#include <vector>

using gen::qt::event::GTouchAutomat;

namespace {

// A finger at a screen position. Widgets see one touch at different local
// origins, so only the screen position may count: the scene one differs.
QEventPoint finger(int id, QPointF screen)
{
    return QEventPoint(id, QEventPoint::State::Updated, screen / 2, screen);
}

// Two fingers `distance` apart, centred on `centre`, turned by `degrees`.
QList<QEventPoint> pair(double distance, double degrees, QPointF centre = {400, 300})
{
    double const rad = degrees * std::numbers::pi / 180.0;
    QPointF const half(std::cos(rad) * distance / 2, std::sin(rad) * distance / 2);
    return {finger(0, centre - half), finger(1, centre + half)};
}

using Step = std::pair<QEvent::Type, QList<QEventPoint>>;  // None: a null event

constexpr QEvent::Type B = QEvent::TouchBegin;
constexpr QEvent::Type U = QEvent::TouchUpdate;

}  // namespace

TEST(GTouchAutomat, GesturesFireWhatTheFingersDid)
{
    QPointF const p(100, 100);
    struct Case { char const* name; std::vector<Step> steps; char const* fired; } const cases[] = {
        // One finger: the rounded distance moved, whatever the direction.
        {"pan", {{B, {finger(0, p)}}, {U, {finger(0, {103.4, 100})}}, {U, {finger(0, {100.4, 96})}}}, "pan:3 pan:5"},
        {"pan below half a pixel", {{B, {finger(0, p)}}, {U, {finger(0, {100.3, 100.2})}}}, ""},
        {"pinch threshold", {{B, pair(200, 0)}, {U, pair(200.16, 0)}, {U, pair(200.4, 0)}}, "zoom:1.0012"},
        {"centre pan", {{B, pair(200, 0)}, {U, pair(200, 0, {406, 308})}}, "pan:10"},
        {"twist threshold", {{B, pair(200, 30)}, {U, pair(200, 30.08)}, {U, pair(200, 30.2)}}, "twist:0.12"},
        // atan2 jumps from +180° to -180° on the left horizontal.
        {"twist across 180", {{B, pair(200, 179)}, {U, pair(200, 181)}, {U, pair(200, 179)}}, "twist:2.00 twist:-2.00"},
        // Fingers swapping places exactly: a half turn is +180, never -180.
        {"half turn", {{B, {finger(0, {500, 300}), finger(1, {300, 300})}}, {U, pair(200, 0)}}, "twist:180.00"},
        // Two fingers: each step against the previous update.
        {"pinch and twist", {{B, pair(100, 0)}, {U, pair(150, 10)}, {U, pair(75, 10)}},
         "zoom:1.5000 twist:10.00 zoom:0.5000"},
        {"fingers on one spot", {{B, {finger(0, {50, 50}), finger(1, {50, 50})}}, {U, pair(100, 0, {50, 50})}}, ""},
        {"third finger ignored", {{B, pair(200, 0) << finger(2, {0, 0})}, {U, pair(200, 0) << finger(2, {7, 7})}}, ""},
        // Every begin, cancel or end starts a new gesture from its next point.
        {"begin, cancel and end reset", {{B, {finger(0, p)}}, {B, {finger(0, {900, 0})}}, {QEvent::TouchCancel, {}},
          {U, {finger(0, {500, 0})}}, {QEvent::TouchEnd, {}}, {U, {finger(0, p)}}}, ""},
        {"finger count change", {{B, {finger(0, p)}}, {U, pair(300, 45)}, {U, {finger(0, {900, 900})}}}, ""},
        {"other events ignored", {{B, {finger(0, p)}}, {QEvent::MouseMove, {finger(0, {0, 0})}}, {QEvent::None, {}},
          {U, {}}, {U, {finger(0, {100, 102})}}}, "pan:2"},
    };
    for (auto const& [name, steps, fired] : cases) {
        GTouchAutomat automat;
        QStringList seen;
        automat.lisPan += [&seen](int const& v) { seen << QString("pan:%1").arg(v); };
        automat.lisZoom += [&seen](float const& v) { seen << "zoom:" + QString::number(v, 'f', 4); };
        automat.lisRotate += [&seen](float const& v) { seen << "twist:" + QString::number(v, 'f', 2); };
        for (auto const& [type, points] : steps) {
            QTouchEvent event(type, QPointingDevice::primaryPointingDevice(), Qt::NoModifier, points);
            automat.process_event(type == QEvent::None ? nullptr : &event);
        }
        EXPECT_EQ(seen.join(' ').toStdString(), fired) << name;
    }
}
