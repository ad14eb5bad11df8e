#pragma once
// A one-shot time gate: once activated it keeps callers out until its
// waiting time has passed, then lets everyone through until it is activated
// again. A plain member of its user, GUI thread only.

#include <functional>

namespace gen::qt::event {

class TimeBarrier {
public:
    enum STATE : int { IDLE = 0, ACTIVE = 1, PASSED = 2 };

    // Milliseconds of a monotonic clock: the gate must not open early or
    // stay shut when the wall clock is set. Tests replace it.
    using Clock = std::function<long long()>;
    static long long steady_milli_seconds();

    TimeBarrier() = default;
    explicit TimeBarrier(Clock clock);

    // Back to IDLE (open).
    void reset();
    // Shut for `wait_ms` milliseconds from now.
    void set_active(unsigned long long wait_ms);
    // True unless active; an active gate whose time has passed opens (PASSED)
    // and stays open.
    bool is_allowed_to_pass() const;

    mutable int state = IDLE;
    long long msActivated = 0;
    unsigned long long msWait = 0;
    Clock fnNow = &steady_milli_seconds;
};

}  // namespace gen::qt::event
