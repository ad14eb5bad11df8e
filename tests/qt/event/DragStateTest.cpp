#include <gen/qt/event/DragState.h>

#include "support/RecordingSink.h"

#include <gtest/gtest.h>

using gen::qt::event::DragState;

TEST(DragState, PhasesFollowBeginDragEndAndResetClearsPoints)
{
    DragState state;
    EXPECT_TRUE(state.is_zero());
    EXPECT_EQ(state.to_string(), "ZERO");

    state.begin(QPoint(3, 4));
    EXPECT_TRUE(state.is_begin());
    EXPECT_FALSE(state.is_zero());
    EXPECT_EQ(state.to_string(), "DragState,BEGIN, ptStart:3,4");

    state.drag(QPoint(10, -2));
    EXPECT_TRUE(state.is_drag());
    EXPECT_EQ(state.ptStart, QPoint(3, 4));
    EXPECT_EQ(state.to_string(), "DragState,DRAG, ptStart:3,4, ptCurrent:10,-2");

    state.end(QPoint(11, -1));
    EXPECT_TRUE(state.is_end());
    EXPECT_FALSE(state.is_drag());
    EXPECT_EQ(state.to_string(), "DragState,END, ptStart:3,4, ptCurrent:11,-1");

    state.reset();
    EXPECT_TRUE(state.is_zero());
    EXPECT_EQ(state.ptStart, QPoint());
    EXPECT_EQ(state.ptCurrent, QPoint());
}

TEST(DragState, UnknownPhaseIsReportedAsSuch)
{
    DragState state;
    state.phase = 7;
    EXPECT_EQ(state.to_string(), "DragState ?");
    EXPECT_FALSE(state.is_zero() || state.is_begin() || state.is_drag() || state.is_end());
}

TEST(DragState, DragWritesATraceLineWithThePoint)
{
    test::LogLevelGuard level(gen::log::LEVEL_TRACE);
    test::RecordingSink sink;
    DragState state;
    state.drag(QPoint(7, 8));
    EXPECT_TRUE(sink.contains("DragState::drag, pt:7,8"));
}

namespace {
// A user that refines the steps, as the trackball does.
struct CountingDrag : DragState {
    int drags = 0;
    void drag(QPoint const& p) override
    {
        DragState::drag(p);
        ++drags;
    }
};
}  // namespace

TEST(DragState, StepsDispatchToTheDerivedClassThroughTheBase)
{
    CountingDrag derived;
    DragState& base = derived;
    base.begin(QPoint(1, 1));
    base.drag(QPoint(2, 2));
    EXPECT_EQ(derived.drags, 1);
    EXPECT_TRUE(base.is_drag());
}
