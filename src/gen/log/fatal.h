#pragma once
// Fatal checks. Each handler prints its message on standard output, waits
// five seconds (so a user sees it in a console that is about to close) and
// ends the process with exit code 1. None returns.

#include <QString>

namespace gen {

[[noreturn]] void nullPointerHandling(char const* file, int line, QString const& text);
[[noreturn]] void boolExpressionHandling(char const* file, int line);
[[noreturn]] void exit_fatal(QString const& text);

// Sleeps the calling thread; 0 returns at once.
void gSleep(unsigned long long milliseconds);

// "<date> - <time>" of the build, as the compiler records them.
std::string get_build_timestamp();

}  // namespace gen

// Ends the program when `ptr` is null, naming the expression, file and line.
#define GEN_CHECK_NULL(ptr)                                                  \
    do {                                                                     \
        if ((ptr) == nullptr) {                                              \
            ::gen::nullPointerHandling(__FILE__, __LINE__, #ptr " == NULL"); \
        }                                                                    \
    } while (false)

// Ends the program when `expr` is false.
#define GEN_CHECK_BOOL(expr)                                   \
    do {                                                       \
        if (!(expr)) {                                         \
            ::gen::boolExpressionHandling(__FILE__, __LINE__); \
        }                                                      \
    } while (false)
