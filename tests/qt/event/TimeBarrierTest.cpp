#include <gen/qt/event/TimeBarrier.h>

#include <gtest/gtest.h>

#include <limits>

using gen::qt::event::TimeBarrier;

namespace {
// A clock the test moves by hand.
struct FakeClock {
    long long now = 1'000'000;
    TimeBarrier::Clock fn()
    {
        return [this] { return now; };
    }
};
}  // namespace

TEST(TimeBarrier, IdleBarrierLetsEveryonePass)
{
    FakeClock clock;
    TimeBarrier barrier(clock.fn());
    EXPECT_TRUE(barrier.is_allowed_to_pass());
    EXPECT_EQ(barrier.state, TimeBarrier::IDLE);
}

TEST(TimeBarrier, ActiveBarrierOpensOnceTheWaitHasPassed)
{
    FakeClock clock;
    TimeBarrier barrier(clock.fn());
    barrier.set_active(500);

    clock.now += 100;
    EXPECT_FALSE(barrier.is_allowed_to_pass());
    EXPECT_EQ(barrier.state, TimeBarrier::ACTIVE);

    clock.now += 399;
    EXPECT_FALSE(barrier.is_allowed_to_pass());

    clock.now += 101;  // 600 ms after activation
    EXPECT_TRUE(barrier.is_allowed_to_pass());
    EXPECT_EQ(barrier.state, TimeBarrier::PASSED);

    // Open for good, even if the clock stood still.
    EXPECT_TRUE(barrier.is_allowed_to_pass());
    EXPECT_TRUE(barrier.is_allowed_to_pass());
}

TEST(TimeBarrier, ExactlyTheWaitingTimeIsEnough)
{
    FakeClock clock;
    TimeBarrier barrier(clock.fn());
    barrier.set_active(500);
    clock.now += 500;
    EXPECT_TRUE(barrier.is_allowed_to_pass());
}

TEST(TimeBarrier, ReactivationAndResetRestartTheGate)
{
    FakeClock clock;
    TimeBarrier barrier(clock.fn());
    barrier.set_active(50);
    clock.now += 60;
    ASSERT_TRUE(barrier.is_allowed_to_pass());

    barrier.set_active(50);
    clock.now += 10;
    EXPECT_FALSE(barrier.is_allowed_to_pass());

    barrier.reset();
    EXPECT_TRUE(barrier.is_allowed_to_pass());
    EXPECT_EQ(barrier.state, TimeBarrier::IDLE);
}

TEST(TimeBarrier, ClockGoingBackwardsOrHugeWaitsNeverOpenEarly)
{
    FakeClock clock;
    TimeBarrier barrier(clock.fn());
    barrier.set_active(100);
    clock.now -= 5000;
    EXPECT_FALSE(barrier.is_allowed_to_pass());

    // A wait beyond the signed range must not wrap into "already passed".
    barrier.set_active(std::numeric_limits<unsigned long long>::max());
    clock.now += 1'000'000'000;
    EXPECT_FALSE(barrier.is_allowed_to_pass());
}

TEST(TimeBarrier, DefaultClockKeepsALongWaitShut)
{
    TimeBarrier barrier;
    barrier.set_active(60'000);
    EXPECT_FALSE(barrier.is_allowed_to_pass());
}
