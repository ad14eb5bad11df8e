#include <gen/store/configure.h>

#include <gen/log/LogConsole.h>

#include "support/RecordingSink.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace gen::log;

namespace {
// Runs configure on "prog args..." from level 3 and returns its standard
// output plus a DEBUG probe line; the level and the sink set are restored.
class Configure : public testing::Test {
protected:
    std::string run(std::vector<std::string> args)
    {
        args.insert(args.begin(), "prog");
        std::vector<char*> argv;
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        set_log_level(LEVEL_DEBUG);
        testing::internal::CaptureStdout();
        configure(static_cast<int>(argv.size()), argv.data());
        level = get_log_level();
        log_string(LEVEL_DEBUG, "probe");
        remove_log_appender(&consoleLogger);
        return testing::internal::GetCapturedStdout();
    }

    test::LogLevelGuard restore{LEVEL_DEBUG};
    int level = -1;
};
}  // namespace

TEST_F(Configure, WithoutArgumentsLogsAtTraceWithAllColumns)
{
    consoleLogger.logConfig.logControl.set(0);
    std::string const out = run({});
    EXPECT_EQ(level, LEVEL_TRACE);
    EXPECT_EQ(consoleLogger.logConfig.logControl.get(), control::CONSOLE_DEFAULT);
    EXPECT_TRUE(gen::is_main_thread());
    QRegularExpression const line(R"(^\[\d{6}\] \[DEB\] \[\d\d:\d\d:\d\d,\d{6}\] \[\d{4}\] probe\n$)");
    EXPECT_TRUE(line.match(QString::fromStdString(out)).hasMatch()) << out;
}

TEST_F(Configure, LevelFromTheCommandLine)
{
    EXPECT_EQ(run({"--__log_level", "0"}), "");  // the DEBUG probe is filtered
    EXPECT_EQ(level, LEVEL_ERROR);
    run({"-a", "--__log_level", "2", "-b"});
    EXPECT_EQ(level, LEVEL_INFO);
}

TEST_F(Configure, RejectedLineOrLevelKeepsTheLevel)
{
    EXPECT_EQ(run({"--__log_level", "7"}).substr(0, 42), "set_log_level out of range 0-4, level:7 ?\n");
    EXPECT_EQ(level, LEVEL_DEBUG);

    std::string const out = run({"bare", "--__log_level", "0"});
    EXPECT_NE(out.find("[ERR]"), std::string::npos);
    EXPECT_NE(out.find("got 'bare'\nlog::configure, GArgv parser error\n"), std::string::npos) << out;
    EXPECT_EQ(level, LEVEL_DEBUG);
}

TEST_F(Configure, UnusableLevelFallsBackToTrace)
{
    std::string out = run({"--__log_level", "loud"});
    EXPECT_NE(out.find("[WRN]"), std::string::npos) << out;
    EXPECT_NE(out.find("GAttributes::get, '__log_level' type conversion problem"), std::string::npos) << out;
    EXPECT_EQ(level, LEVEL_TRACE);
    // Without a number the option is a flag, which Qt would make level 1.
    for (auto const& args : {std::vector<std::string>{"--__log_level"}, {"--__log_level", "-1"}}) {
        out = run(args);
        EXPECT_NE(out.find("log::configure, '__log_level' given without a level"), std::string::npos) << out;
        EXPECT_EQ(level, LEVEL_TRACE);
    }
}
