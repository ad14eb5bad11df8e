#include <gen/log/LogAppender.h>

namespace gen::log {

LogAppender::~LogAppender()
{
    remove_log_appender(this);
}

void LogAppender::set_enabled(bool on)
{
    logConfig.logControl.set_bits(control::ENABLED, on);
}

bool LogAppender::is_enabled() const
{
    return logConfig.logControl.is_set(control::ENABLED);
}

}  // namespace gen::log
