#pragma once
// Short logging calls: pp (debug), pp_info, pp_warn, pp_error, pp_trace.
// Every form tests the level before building any text.

#include <gen/log/GLog.h>
#include <gen/tools/xprintf.h>

#include <QString>

#include <string>

namespace gen {

namespace log::detail {
void log_qstring(LOG_LEVEL level, QString const& text);
void log_indented(LOG_LEVEL level, unsigned int indent, char const* text);
}  // namespace log::detail

#define GEN_PP_FAMILY(NAME, LEVEL)                                                                 \
    inline void NAME()                                                                             \
    {                                                                                              \
        log::log_string(LEVEL, "");                                                                \
    }                                                                                              \
    inline void NAME(QString const& text)                                                          \
    {                                                                                              \
        if (log::is_level_active(LEVEL)) {                                                         \
            log::detail::log_qstring(LEVEL, text);                                                 \
        }                                                                                          \
    }                                                                                              \
    inline void NAME(std::string const& text)                                                      \
    {                                                                                              \
        log::log_string(LEVEL, text);                                                              \
    }                                                                                              \
    inline void NAME(char const* text)                                                             \
    {                                                                                              \
        log::log_string(LEVEL, text);                                                              \
    }                                                                                              \
    inline void NAME(unsigned int indent, char const* text)                                        \
    {                                                                                              \
        if (log::is_level_active(LEVEL)) {                                                         \
            log::detail::log_indented(LEVEL, indent, text);                                        \
        }                                                                                          \
    }                                                                                              \
    template<class T, class... More>                                                               \
    void NAME(char const* format, T const& value, More const&... more)                             \
    {                                                                                              \
        if (log::is_level_active(LEVEL)) {                                                         \
            log::log_string(LEVEL, str::xprintF(0, format, value, more...));                       \
        }                                                                                          \
    }

GEN_PP_FAMILY(pp, log::LEVEL_DEBUG)
GEN_PP_FAMILY(pp_info, log::LEVEL_INFO)
GEN_PP_FAMILY(pp_warn, log::LEVEL_WARN)
GEN_PP_FAMILY(pp_error, log::LEVEL_ERROR)
GEN_PP_FAMILY(pp_trace, log::LEVEL_TRACE)

#undef GEN_PP_FAMILY

// "---- [ n ] ------" at debug level and "=== [ n ] ======" at info level,
// each with its own counter starting at 1.
void pp_line();
void pp_info_line();

}  // namespace gen
