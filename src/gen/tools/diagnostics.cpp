#include <gen/tools/diagnostics.h>

#include <atomic>
#include <cstdio>

namespace gen::diagnostics {

namespace {
std::atomic<Reporter> g_reporter{nullptr};
}

Reporter set_reporter(Reporter reporter)
{
    return g_reporter.exchange(reporter);
}

void report(Level level, std::string const& text)
{
    if (Reporter reporter = g_reporter.load()) {
        reporter(level, text);
        return;
    }
    std::fprintf(stderr, "%s\n", text.c_str());
}

}  // namespace gen::diagnostics
