#include <gen/log/LogConfig.h>

#include <gen/log/GLog.h>
#include <gen/tools/os.h>
#include <gen/tools/xprintf.h>

#include <cstdio>

namespace gen::log {

void LogConfig::ini()
{
    logControl.set(990);
    if (gen::os::is_android()) {
        fontSize = 13;
    }
}

void LogConfig::ini_mobile()
{
    logControl.set(control::ENABLED | control::NUMBER);
}

bool LogConfig::is_enabled() const
{
    return logControl.is_set(control::ENABLED);
}

QString LogConfig::to_string() const
{
    char const* format = is_enabled() ? "LogConfig, $, logControl:$, digits:$"
                                      : "LogConfig, DISABLED,  $, logControl:$, digits:$";
    return QString::fromStdString(gen::str::xprintF(0, format, logLevel_to_string(logLevel), logControl.get(), digits));
}

void LogConfig::show() const
{
    std::printf("LogConfig:\n   logControl:%d\n   digits:%u\n   logLevel:%u\n   fontSize:%u\n",
                logControl.get() != 0 ? 1 : 0, digits, logLevel, fontSize);
    std::fflush(stdout);
}

}  // namespace gen::log
