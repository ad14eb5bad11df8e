#pragma once
// A log sink for tests: registers itself enabled, records every delivered
// line and unregisters on destruction. Also a guard that restores the log
// level a test changed.

#include <gen/log/LogAppender.h>

#include <mutex>
#include <string>
#include <vector>

namespace test {

struct LoggedLine {
    unsigned int number = 0;
    gen::log::LOG_LEVEL level = gen::log::LEVEL_DEBUG;
    std::string text;
    bool textWasNull = false;
};

class RecordingSink : public gen::log::LogAppender {
public:
    RecordingSink();
    ~RecordingSink() override;

    void log_string(unsigned int number, gen::log::LOG_LEVEL level, char const* text) override;

    std::vector<LoggedLine> lines() const;
    std::vector<std::string> texts() const;
    // Whether any recorded line contains `part`.
    bool contains(std::string const& part) const;
    void clear();

private:
    mutable std::mutex mutex;
    std::vector<LoggedLine> recorded;
};

class LogLevelGuard {
public:
    explicit LogLevelGuard(int level);
    ~LogLevelGuard();

private:
    int saved;
};

}  // namespace test
