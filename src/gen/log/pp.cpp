#include <gen/log/pp.h>

#include <atomic>

namespace gen {

namespace log::detail {

void log_qstring(LOG_LEVEL level, QString const& text)
{
    log_string(level, text.toUtf8().toStdString());
}

void log_indented(LOG_LEVEL level, unsigned int indent, char const* text)
{
    log_string(level, str::xprintF(indent, "$", text));
}

}  // namespace log::detail

void pp_line()
{
    static std::atomic<unsigned int> counter{0};
    pp(str::xprintF(0, "---- [ $ ] ------", ++counter));
}

void pp_info_line()
{
    static std::atomic<unsigned int> counter{0};
    pp_info(str::xprintF(0, "=== [ $ ] ======", ++counter));
}

}  // namespace gen
