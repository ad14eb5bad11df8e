#include <gen/log/LogAppender.h>

namespace gen::log {

LogAppender::~LogAppender()
{
    remove_log_appender(this);
}

void LogAppender::set_enabled(bool on)
{
    with_sinks_locked([this, on]() { logConfig.logControl.set_bits(control::ENABLED, on); });
}

void LogAppender::set_config(LogConfig const& config)
{
    with_sinks_locked([this, &config]() { logConfig = config; });
}

bool LogAppender::is_enabled() const
{
    return logConfig.logControl.is_set(control::ENABLED);
}

}  // namespace gen::log
