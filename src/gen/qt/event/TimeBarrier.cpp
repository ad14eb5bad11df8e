#include <gen/qt/event/TimeBarrier.h>

#include <chrono>
#include <utility>

namespace gen::qt::event {

long long TimeBarrier::steady_milli_seconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

TimeBarrier::TimeBarrier(Clock clock) : fnNow(std::move(clock)) {}

void TimeBarrier::reset()
{
    state = IDLE;
}

void TimeBarrier::set_active(unsigned long long wait_ms)
{
    state = ACTIVE;
    msActivated = fnNow();
    msWait = wait_ms;
}

bool TimeBarrier::is_allowed_to_pass() const
{
    if (state != ACTIVE) {
        return true;
    }
    long long const elapsed = fnNow() - msActivated;
    // A clock that went backwards counts as no time passed.
    if (elapsed < 0 || static_cast<unsigned long long>(elapsed) < msWait) {
        return false;
    }
    state = PASSED;
    return true;
}

}  // namespace gen::qt::event
