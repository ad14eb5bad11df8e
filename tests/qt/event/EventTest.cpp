// The input helpers: event texts and flags, the pointer trackers DragState
// and DeltaMouse, and the TimeBarrier gate.
#include <gen/qt/event/DeltaMouse.h>
#include <gen/qt/event/DragState.h>
#include <gen/qt/event/Event.h>
#include <gen/qt/event/TimeBarrier.h>

#include "support/LogCapture.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <optional>

namespace ev = gen::qt::event;
using gen::qt::event::DeltaMouse;
using gen::qt::event::DragState;
using gen::qt::event::TimeBarrier;

namespace {

using Event = std::shared_ptr<QInputEvent>;

Event mouse(Qt::MouseButtons held, Qt::KeyboardModifiers mods = {}, QPointF at = {12, 34}, Qt::MouseButton changed = {})
{
    return std::make_shared<QMouseEvent>(QEvent::MouseMove, at, at, changed, held, mods);
}

Event wheel(int x, int y)
{
    return std::make_shared<QWheelEvent>(QPointF(), QPointF(), QPoint(), QPoint(x, y), Qt::NoButton, Qt::NoModifier,
                                         Qt::NoScrollPhase, false);
}

Event key(int code, Qt::KeyboardModifiers mods = {})
{
    return std::make_shared<QKeyEvent>(QEvent::KeyPress, code, mods);
}

// The event's text plus the flags the helpers see in it.
std::string describe(QInputEvent const* event)
{
    QString text;
    if (auto const* m = dynamic_cast<QMouseEvent const*>(event)) {
        text = ev::mouse::to_string(m) + (ev::mouse::is_any_button(m) ? " +button" : "");
    } else if (auto const* w = dynamic_cast<QWheelEvent const*>(event)) {
        text = ev::wheel::to_string(w);
    } else {
        auto const* k = static_cast<QKeyEvent const*>(event);
        text = ev::key::to_string(k) + (ev::key::is_mod(k) ? " +mod" : "");
    }
    return (text + (ev::mod::is_any_meta(event) ? " +meta" : "")).toStdString();
}

}  // namespace

TEST(Event, TextsAndFlagsOfMouseWheelAndKeyEvents)
{
    std::pair<Event, char const*> const rows[] = {
        {mouse(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton,
               Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, {12.6, -3.2}),
         "QMouseEvent, {LEFT | RIGHT | MIDDLE}, {ALT | SHIFT | CTRL}, at 13,-3 +button +meta"},
        {mouse(Qt::RightButton, Qt::AltModifier), "QMouseEvent, {RIGHT}, {ALT}, at 12,34 +button +meta"},
        // A release names the button that went up, which is no longer held.
        {mouse({}, {}, {1, 1}, Qt::LeftButton), "QMouseEvent, {}, {}, at 1,1"},
        // Only the three main buttons and Control/Alt/Shift count.
        {mouse(Qt::BackButton, Qt::MetaModifier), "QMouseEvent, {}, {}, at 12,34"},
        {wheel(0, 120), "QWheelEvent, FORWARD"}, {wheel(120, 0), "QWheelEvent, FORWARD"},
        {wheel(0, 0), "QWheelEvent, BACKWARD"},  {key(Qt::Key_S, Qt::ControlModifier), "Ctrl+S +meta"},
        {key(Qt::Key_F5), "F5"},                 {key(Qt::Key_Shift, Qt::ShiftModifier), "Shift +mod +meta"},
        {key(Qt::Key_Meta, Qt::MetaModifier), "Meta +mod"},
    };
    for (auto const& [event, text] : rows) {
        EXPECT_EQ(describe(event.get()), text);
    }
    // `$` renders a mouse event and a pointer to one alike.
    auto const* right = static_cast<QMouseEvent const*>(rows[1].first.get());
    EXPECT_EQ(gen::str::xprintF(0, "$|$|$", right, *right, static_cast<QMouseEvent const*>(nullptr)),
              "QMouseEvent, {RIGHT}, {ALT}, at 12,34|QMouseEvent, {RIGHT}, {ALT}, at 12,34|nullptr");
}

TEST(DragState, EachStepSetsItsPhaseAndPoint)
{
    test::LogCapture log(gen::log::LEVEL_TRACE);
    std::pair<std::function<void(DragState&)>, char const*> const steps[] = {
        {[](DragState& s) { s.begin({3, 4}); }, "DragState,BEGIN, ptStart:3,4"},
        {[](DragState& s) { s.drag({10, -2}); }, "DragState,DRAG, ptStart:3,4, ptCurrent:10,-2"},
        {[](DragState& s) { s.end({11, -1}); }, "DragState,END, ptStart:3,4, ptCurrent:11,-1"},
        {[](DragState& s) { s.reset(); }, "ZERO"},
        {[](DragState& s) { s.drag({5, 5}); }, "DragState,DRAG, ptStart:0,0, ptCurrent:5,5"},  // the start was reset
        {[](DragState& s) { s.phase = 7; }, "DragState ?"},
    };
    DragState state;
    for (auto const& [step, text] : steps) {
        step(state);
        EXPECT_EQ(state.to_string(), text);
        // Exactly the predicate of the phase holds; none for an unknown one.
        int const seen = state.is_zero() | state.is_begin() << 1 | state.is_drag() << 2 | state.is_end() << 3;
        EXPECT_EQ(seen, state.phase <= DragState::END ? 1 << state.phase : 0) << text;
    }
    EXPECT_EQ(log.texts(), (std::vector<std::string>{"DragState::drag, pt:10,-2", "DragState::drag, pt:5,5"}));
}

TEST(DeltaMouse, DeltasFollowThePointsSinceTheLastReset)
{
    std::optional<QPoint> const reset;
    std::tuple<std::vector<std::optional<QPoint>>, char const*, bool> const rows[] = {
        {{QPoint(7, -3)}, "[7,-3] [7,-3] [7,-3], DELTA all [0,0], DELTA prev [0,0]", false},
        {{QPoint(0, 0), QPoint(5, 0), QPoint(5, 5)}, "[0,0] [5,0] [5,5], DELTA all [5,5], DELTA prev [0,5]", true},
        {{QPoint(1, 1), QPoint(4, 1), QPoint(4, 1)}, "[1,1] [4,1] [4,1], DELTA all [3,0], DELTA prev [0,0]", false},
        {{QPoint(2, 2), QPoint(9, 9), reset, QPoint(20, 20), QPoint(21, 20)},
         "[20,20] [20,20] [21,20], DELTA all [1,0], DELTA prev [1,0]", true},
        {{QPoint(2, 2), reset}, "[INVALID]", false},
    };
    for (auto const& [points, text, moved] : rows) {
        test::LogCapture log(gen::log::LEVEL_DEBUG);
        DeltaMouse delta;
        for (std::optional<QPoint> const& p : points) {
            p ? delta.from_point(*p) : delta.reset();
        }
        EXPECT_EQ(delta.to_string(), text);
        EXPECT_EQ(delta.has_data(), moved) << text;
        if (!delta.ptStart) {  // no deltas without a start, and has_data says why
            EXPECT_EQ(delta.delta_all() + delta.delta_last(), QPoint());
            EXPECT_EQ(log.texts(), std::vector<std::string>{"DeltaMouse::has_data - ptStart ?"});
        }
    }
}

TEST(TimeBarrier, ActiveGateOpensOnceItsWaitHasPassedAndStaysOpenUntilActivatedAgain)
{
    std::tuple<unsigned long long, long long, bool> const rows[] = {
        {500, 499, false}, {500, 500, true},
        {100, -5000, false},  // a clock that went backwards is no time passed
        // A wait beyond the signed range must not wrap into "already passed".
        {std::numeric_limits<unsigned long long>::max(), 1'000'000'000, false},
    };
    long long now = 1'000'000;
    TimeBarrier barrier([&now] { return now; });
    EXPECT_TRUE(barrier.is_allowed_to_pass());  // idle
    for (auto const& [wait, elapsed, open] : rows) {
        barrier.set_active(wait);
        now += elapsed;
        EXPECT_EQ(barrier.is_allowed_to_pass(), open) << wait << " after " << elapsed;
        now -= elapsed + 1;  // once open, even a clock stepping back keeps it so
        EXPECT_EQ(barrier.is_allowed_to_pass(), open) << wait << " after " << elapsed;
    }
    barrier.reset();
    TimeBarrier real;  // the real clock does not run a minute within a test
    real.set_active(60'000);
    EXPECT_TRUE(barrier.is_allowed_to_pass() && !real.is_allowed_to_pass());
}
