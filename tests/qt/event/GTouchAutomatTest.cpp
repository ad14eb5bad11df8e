#include <gen/qt/event/GTouchAutomat.h>

#include "support/RecordingSink.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QTouchEvent>

#include <cmath>
#include <numbers>
#include <vector>

using gen::qt::event::GTouchAutomat;

namespace {

// Owned by the application object, so it goes before Qt's input state does.
QPointingDevice const* touch_screen()
{
    static QPointingDevice const* device =
        new QPointingDevice(QStringLiteral("test touch screen"), 4711, QInputDevice::DeviceType::TouchScreen,
                            QPointingDevice::PointerType::Finger, QInputDevice::Capability::Position, 10, 0,
                            QString(), QPointingDeviceUniqueId(), QCoreApplication::instance());
    return device;
}

QEventPoint finger(int id, QPointF pos, QEventPoint::State state = QEventPoint::State::Updated)
{
    return QEventPoint(id, state, pos, pos);
}

QTouchEvent touch(QEvent::Type type, QList<QEventPoint> const& points)
{
    return QTouchEvent(type, touch_screen(), Qt::NoModifier, points);
}

// Two fingers `distance` apart, centred on (400, 300), turned by `degrees`.
QList<QEventPoint> pair(double distance, double degrees, QPointF centre = QPointF(400, 300))
{
    double const rad = degrees * std::numbers::pi / 180.0;
    QPointF const half(std::cos(rad) * distance / 2, std::sin(rad) * distance / 2);
    return {finger(0, centre - half), finger(1, centre + half)};
}

// Records what the automaton fires.
struct Recorder {
    std::vector<int> pans;
    std::vector<float> zooms;
    std::vector<float> rotations;
    explicit Recorder(GTouchAutomat& automat)
    {
        automat.lisPan += [this](int const& v) { pans.push_back(v); };
        automat.lisZoom += [this](float const& v) { zooms.push_back(v); };
        automat.lisRotate += [this](float const& v) { rotations.push_back(v); };
    }
    bool silent() const { return pans.empty() && zooms.empty() && rotations.empty(); }
};

void feed(GTouchAutomat& automat, QEvent::Type type, QList<QEventPoint> const& points)
{
    QTouchEvent event = touch(type, points);
    automat.process_event(&event);
}

}  // namespace

TEST(GTouchAutomatOneFinger, FirstTouchIsSilentNextMoveReportsRoundedPan)
{
    GTouchAutomat automat;
    Recorder rec(automat);
    feed(automat, QEvent::TouchBegin, {finger(0, QPointF(100, 100), QEventPoint::State::Pressed)});
    EXPECT_TRUE(rec.silent());
    EXPECT_EQ(automat.state, GTouchAutomat::ONE_FINGER);

    feed(automat, QEvent::TouchUpdate, {finger(0, QPointF(103.4, 100))});
    EXPECT_EQ(rec.pans, std::vector<int>{3});

    // Distance, not direction: 3-4-5 to the upper left.
    feed(automat, QEvent::TouchUpdate, {finger(0, QPointF(100.4, 96))});
    EXPECT_EQ(rec.pans, (std::vector<int>{3, 5}));
}

TEST(GTouchAutomatOneFinger, MovesBelowHalfAPixelFireNothing)
{
    GTouchAutomat automat;
    Recorder rec(automat);
    feed(automat, QEvent::TouchBegin, {finger(0, QPointF(10, 10))});
    feed(automat, QEvent::TouchUpdate, {finger(0, QPointF(10.3, 10.2))});
    EXPECT_TRUE(rec.pans.empty());
}

TEST(GTouchAutomatTwoFingers, SpreadingByTwoPercentZoomsOnce)
{
    GTouchAutomat automat;
    Recorder rec(automat);
    feed(automat, QEvent::TouchBegin, pair(200, 0));
    EXPECT_TRUE(rec.silent());
    EXPECT_EQ(automat.state, GTouchAutomat::TWO_FINGERS);

    feed(automat, QEvent::TouchUpdate, pair(204, 0));
    ASSERT_EQ(rec.zooms.size(), 1u);
    EXPECT_NEAR(rec.zooms[0], 1.02f, 1e-5f);
    EXPECT_TRUE(rec.pans.empty());
    EXPECT_TRUE(rec.rotations.empty());

    // The next ratio is measured against the last update, not the start.
    feed(automat, QEvent::TouchUpdate, pair(102, 0));
    ASSERT_EQ(rec.zooms.size(), 2u);
    EXPECT_NEAR(rec.zooms[1], 0.5f, 1e-5f);
}

TEST(GTouchAutomatTwoFingers, TinySpreadIsIgnored)
{
    GTouchAutomat automat;
    Recorder rec(automat);
    feed(automat, QEvent::TouchBegin, pair(200, 0));
    feed(automat, QEvent::TouchUpdate, pair(200.1, 0));  // 0.05 %
    EXPECT_TRUE(rec.silent());
}

TEST(GTouchAutomatTwoFingers, TwistReportsDegreesWithDirection)
{
    GTouchAutomat automat;
    Recorder rec(automat);
    feed(automat, QEvent::TouchBegin, pair(200, 30));
    feed(automat, QEvent::TouchUpdate, pair(200, 30.05));
    EXPECT_TRUE(rec.rotations.empty());

    feed(automat, QEvent::TouchUpdate, pair(200, 31.05));
    feed(automat, QEvent::TouchUpdate, pair(200, 30.05));
    ASSERT_EQ(rec.rotations.size(), 2u);
    EXPECT_NEAR(rec.rotations[0], 1.0f, 1e-3f);
    EXPECT_NEAR(rec.rotations[1], -1.0f, 1e-3f);
    EXPECT_TRUE(rec.zooms.empty());
}

TEST(GTouchAutomatTwoFingers, TwistAcrossTheHalfTurnReportsTheSmallAngle)
{
    // The second finger passes from just above to just below the left
    // horizontal, where atan2 jumps from +180 to -180 degrees.
    GTouchAutomat automat;
    Recorder rec(automat);
    feed(automat, QEvent::TouchBegin, pair(200, 179));
    feed(automat, QEvent::TouchUpdate, pair(200, 181));
    ASSERT_EQ(rec.rotations.size(), 1u);
    EXPECT_NEAR(rec.rotations[0], 2.0f, 1e-3f);
    feed(automat, QEvent::TouchUpdate, pair(200, 179));
    ASSERT_EQ(rec.rotations.size(), 2u);
    EXPECT_NEAR(rec.rotations[1], -2.0f, 1e-3f);
}

TEST(GTouchAutomatTwoFingers, MovingBothFingersPansTheCentre)
{
    GTouchAutomat automat;
    Recorder rec(automat);
    feed(automat, QEvent::TouchBegin, pair(200, 0, QPointF(400, 300)));
    feed(automat, QEvent::TouchUpdate, pair(200, 0, QPointF(406, 308)));
    EXPECT_EQ(rec.pans, std::vector<int>{10});
    EXPECT_TRUE(rec.zooms.empty());
    EXPECT_TRUE(rec.rotations.empty());
}

TEST(GTouchAutomatTwoFingers, ThirdFingerIsIgnored)
{
    GTouchAutomat automat;
    Recorder rec(automat);
    QList<QEventPoint> three = pair(200, 0);
    three.append(finger(2, QPointF(0, 0)));
    feed(automat, QEvent::TouchBegin, three);
    three = pair(200, 0);
    three.append(finger(2, QPointF(700, 700)));
    feed(automat, QEvent::TouchUpdate, three);
    EXPECT_TRUE(rec.silent());
}

TEST(GTouchAutomatTwoFingers, FingersOnOneSpotDoNotDivideByZero)
{
    GTouchAutomat automat;
    Recorder rec(automat);
    QList<QEventPoint> const same = {finger(0, QPointF(50, 50)), finger(1, QPointF(50, 50))};
    feed(automat, QEvent::TouchBegin, same);
    feed(automat, QEvent::TouchUpdate, pair(100, 0, QPointF(50, 50)));
    EXPECT_TRUE(rec.zooms.empty());
}

TEST(GTouchAutomatSequence, EndResetsSoTheNextTouchStartsSilently)
{
    test::LogLevelGuard level(gen::log::LEVEL_TRACE);
    test::RecordingSink sink;
    GTouchAutomat automat;
    Recorder rec(automat);
    feed(automat, QEvent::TouchBegin, {finger(0, QPointF(0, 0))});
    feed(automat, QEvent::TouchEnd, {finger(0, QPointF(0, 0), QEventPoint::State::Released)});
    EXPECT_EQ(automat.state, GTouchAutomat::IDLE);
    EXPECT_TRUE(sink.contains("GTouchAutomat::reset_state"));

    feed(automat, QEvent::TouchBegin, {finger(0, QPointF(300, 300))});
    EXPECT_TRUE(rec.silent());
}

TEST(GTouchAutomatSequence, CancelledTouchDoesNotLeakIntoTheNextOne)
{
    GTouchAutomat automat;
    Recorder rec(automat);
    feed(automat, QEvent::TouchBegin, {finger(0, QPointF(0, 0))});
    feed(automat, QEvent::TouchCancel, {});
    feed(automat, QEvent::TouchBegin, {finger(0, QPointF(500, 0))});
    EXPECT_TRUE(rec.pans.empty());

    // Even without a cancel, a new begin is a new gesture.
    feed(automat, QEvent::TouchBegin, {finger(0, QPointF(900, 0))});
    EXPECT_TRUE(rec.pans.empty());
}

TEST(GTouchAutomatSequence, SwitchingFingerCountRestartsWithoutFiring)
{
    GTouchAutomat automat;
    Recorder rec(automat);
    feed(automat, QEvent::TouchBegin, {finger(0, QPointF(100, 100))});
    feed(automat, QEvent::TouchUpdate, pair(300, 45));
    EXPECT_EQ(automat.state, GTouchAutomat::TWO_FINGERS);
    feed(automat, QEvent::TouchUpdate, {finger(0, QPointF(900, 900))});
    EXPECT_EQ(automat.state, GTouchAutomat::ONE_FINGER);
    EXPECT_TRUE(rec.silent());
}

TEST(GTouchAutomatSequence, OtherEventsAndEmptyTouchesAreIgnored)
{
    GTouchAutomat automat;
    Recorder rec(automat);
    feed(automat, QEvent::TouchBegin, {finger(0, QPointF(10, 10))});
    QMouseEvent move(QEvent::MouseMove, QPointF(90, 90), QPointF(90, 90), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    automat.process_event(&move);
    automat.process_event(nullptr);
    feed(automat, QEvent::TouchUpdate, {});
    EXPECT_EQ(automat.state, GTouchAutomat::ONE_FINGER);
    feed(automat, QEvent::TouchUpdate, {finger(0, QPointF(10, 12))});
    EXPECT_EQ(rec.pans, std::vector<int>{2});
}

TEST(GTouchAutomatListeners, ZoomAndRotateAreLoggedAndOverridable)
{
    test::LogLevelGuard level(gen::log::LEVEL_DEBUG);
    test::RecordingSink sink;
    struct Counting : GTouchAutomat {
        int zooms = 0;
        void on_zoom(float ratio) override
        {
            ++zooms;
            GTouchAutomat::on_zoom(ratio);
        }
    } automat;
    feed(automat, QEvent::TouchBegin, pair(100, 0));
    feed(automat, QEvent::TouchUpdate, pair(150, 10));
    EXPECT_EQ(automat.zooms, 1);
    EXPECT_TRUE(sink.contains("GTouchAutomat::on_zoom, delta:1.50"));
    EXPECT_TRUE(sink.contains("GTouchAutomat::on_rotate, degree:10.00"));
}
