#include <gen/log/LogConsole.h>

#include <cstdio>

namespace gen::log {

LogConsole consoleLogger;

void LogConsole::log_string(unsigned int number, LOG_LEVEL level, char const* text)
{
    std::string line = trailler(number, level, logConfig.logControl);
    line += text != nullptr ? text : "nullptr";
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

void start_console_logging()
{
    start_log_time();
    set_main_thread();
    consoleLogger.logConfig.logControl.set(control::CONSOLE_DEFAULT);
    add_log_appender(&consoleLogger);
}

}  // namespace gen::log
