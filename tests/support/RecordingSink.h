#pragma once
// A log sink for tests: registers itself enabled, records every delivered
// line and unregisters on destruction. Also a guard that restores the log
// level a test changed.

#include <gen/log/LogAppender.h>

#include <algorithm>
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
    RecordingSink()
    {
        set_enabled(true);
        gen::log::add_log_appender(this);
    }
    ~RecordingSink() override { gen::log::remove_log_appender(this); }

    void log_string(unsigned int number, gen::log::LOG_LEVEL level, char const* text) override
    {
        std::lock_guard lock(mutex);
        recorded.push_back({number, level, text != nullptr ? text : "", text == nullptr});
    }
    std::vector<LoggedLine> lines() const
    {
        std::lock_guard lock(mutex);
        return recorded;
    }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> out;
        for (LoggedLine const& line : lines()) {
            out.push_back(line.text);
        }
        return out;
    }
    // Number of recorded lines containing `part`.
    std::size_t count(std::string const& part) const
    {
        return std::ranges::count_if(texts(), [&part](auto const& t) { return t.find(part) != std::string::npos; });
    }
    bool contains(std::string const& part) const { return count(part) > 0; }
    void clear()
    {
        std::lock_guard lock(mutex);
        recorded.clear();
    }

private:
    mutable std::mutex mutex;
    std::vector<LoggedLine> recorded;
};

struct LogLevelGuard {
    explicit LogLevelGuard(int level) : saved(gen::log::get_log_level()) { gen::log::set_log_level(level); }
    ~LogLevelGuard() { gen::log::set_log_level(saved); }
    int const saved;
};

}  // namespace test
