#pragma once
// The abstract log sink. Sinks are called under the log core's lock: a sink
// must not log or change the sink set itself, and a sink that touches the
// user interface hands the line over to the GUI thread instead.

#include <gen/log/GLog.h>
#include <gen/log/LogConfig.h>

namespace gen::log {

class LogAppender {
public:
    LogAppender() = default;
    LogAppender(LogAppender const&) = delete;
    LogAppender& operator=(LogAppender const&) = delete;
    // Unregisters the sink so the core never calls a destroyed object. A
    // derived sink that can be destroyed while other threads log must also
    // unregister in its own destructor, before its members go away.
    virtual ~LogAppender();

    // `text` may be null.
    virtual void log_string(unsigned int number, LOG_LEVEL level, char const* text) = 0;
    // Both change the configuration under the core's lock, as the core reads
    // it while delivering lines from other threads.
    virtual void set_enabled(bool on);
    void set_config(LogConfig const& config);
    bool is_enabled() const;

    LogConfig logConfig;
};

}  // namespace gen::log
