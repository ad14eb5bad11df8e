#include "support/RecordingSink.h"

namespace test {

RecordingSink::RecordingSink()
{
    set_enabled(true);
    gen::log::add_log_appender(this);
}

RecordingSink::~RecordingSink()
{
    gen::log::remove_log_appender(this);
}

void RecordingSink::log_string(unsigned int number, gen::log::LOG_LEVEL level, char const* text)
{
    std::lock_guard lock(mutex);
    recorded.push_back({number, level, text != nullptr ? text : "", text == nullptr});
}

std::vector<LoggedLine> RecordingSink::lines() const
{
    std::lock_guard lock(mutex);
    return recorded;
}

std::vector<std::string> RecordingSink::texts() const
{
    std::lock_guard lock(mutex);
    std::vector<std::string> out;
    for (auto const& line : recorded) {
        out.push_back(line.text);
    }
    return out;
}

bool RecordingSink::contains(std::string const& part) const
{
    std::lock_guard lock(mutex);
    for (auto const& line : recorded) {
        if (line.text.find(part) != std::string::npos) {
            return true;
        }
    }
    return false;
}

void RecordingSink::clear()
{
    std::lock_guard lock(mutex);
    recorded.clear();
}

LogLevelGuard::LogLevelGuard(int level) : saved(gen::log::get_log_level())
{
    gen::log::set_log_level(level);
}

LogLevelGuard::~LogLevelGuard()
{
    gen::log::set_log_level(saved);
}

}  // namespace test
