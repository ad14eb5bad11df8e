#pragma once
// Everything a test needs to check what was logged, in one object: sets the
// log level for its lifetime (restored afterwards) and records every line
// delivered meanwhile.
//
//     test::LogCapture log(gen::log::LEVEL_ERROR);
//     call();
//     EXPECT_TRUE(log.contains("expected part"));

#include "support/RecordingSink.h"

namespace test {

class LogCapture {
public:
    explicit LogCapture(int level = gen::log::LEVEL_TRACE) : guard(level) {}

    std::vector<LoggedLine> lines() const { return sink.lines(); }
    std::vector<std::string> texts() const { return sink.texts(); }
    bool contains(std::string const& part) const { return sink.contains(part); }
    // Number of recorded lines containing `part`.
    std::size_t count(std::string const& part) const
    {
        std::size_t n = 0;
        for (auto const& text : sink.texts()) {
            n += text.find(part) != std::string::npos ? 1 : 0;
        }
        return n;
    }
    void clear() { sink.clear(); }

private:
    // The guard is set before the sink registers and restored after it is gone.
    LogLevelGuard guard;
    RecordingSink sink;
};

}  // namespace test
