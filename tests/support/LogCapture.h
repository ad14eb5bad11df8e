#pragma once
// Everything a test needs to check what was logged, in one object: sets the
// log level for its lifetime and records every line delivered meanwhile. The
// level is set before the sink registers and restored after it is gone.
//
//     test::LogCapture log(gen::log::LEVEL_ERROR);
//     call();
//     EXPECT_TRUE(log.contains("expected part"));

#include "support/RecordingSink.h"

namespace test {

class LogCapture : private LogLevelGuard, public RecordingSink {
public:
    explicit LogCapture(int level = gen::log::LEVEL_TRACE) : LogLevelGuard(level) {}
};

}  // namespace test
