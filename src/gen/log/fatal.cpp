#include <gen/log/fatal.h>

#include <gen/tools/xprintf.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <thread>

namespace gen {

namespace {

void write_out(std::string const& text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

[[noreturn]] void wait_and_exit(bool sayExit)
{
    write_out("program will exit in 5 sec\n");
    gSleep(5000);
    if (sayExit) {
        write_out("program exit !\n");
    }
    std::fflush(nullptr);
    // No static destructors: other threads may still be running and logging.
    std::_Exit(1);
}

}  // namespace

void nullPointerHandling(char const* file, int line, QString const& text)
{
    write_out(str::xprintF(0, "nullptr:$\n$\nLINE:$\n", text, file, line));
    wait_and_exit(false);
}

void boolExpressionHandling(char const* file, int line)
{
    write_out(str::xprintF(0, "bool expression failure:\n$\nLINE:$\n", file, line));
    wait_and_exit(true);
}

void exit_fatal(QString const& text)
{
    QByteArray const local = text.toLocal8Bit();
    write_out(std::string(local.constData(), static_cast<std::size_t>(local.size())) + "\n");
    wait_and_exit(true);
}

void gSleep(unsigned long long milliseconds)
{
    if (milliseconds == 0) {
        return;
    }
    // Beyond what a nanosecond count holds, sleep for the longest it can.
    constexpr unsigned long long maxMs =
        static_cast<unsigned long long>(std::numeric_limits<std::chrono::nanoseconds::rep>::max() / 1000000);
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds > maxMs ? maxMs : milliseconds));
}

std::string get_build_timestamp()
{
    return str::xprintF(0, "$ - $", __DATE__, __TIME__);
}

}  // namespace gen
