#pragma once
// The console sink: prefix, text and a line feed on standard output, one
// write per line so lines from different threads never mix.

#include <gen/log/LogAppender.h>

namespace gen::log {

class LogConsole : public LogAppender {
public:
    void log_string(unsigned int number, LOG_LEVEL level, char const* text) override;
};

// The process's console sink.
extern LogConsole consoleLogger;

// Start-up of console logging: stamps the log start and the main thread,
// gives the console sink all columns (enabled) and registers it.
void start_console_logging();

}  // namespace gen::log
