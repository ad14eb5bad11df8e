// The fatal paths end the process after a five-second pause; each death test
// therefore takes five seconds, so there is one per handler.
#include <gen/log/fatal.h>

#include <gen/log/GLog.h>
#include <gen/log/LogAppender.h>

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <unistd.h>

namespace {
// The handlers write to standard output; death tests read standard error.
void stdout_to_stderr()
{
    ::dup2(STDERR_FILENO, STDOUT_FILENO);
}
}  // namespace

using FatalDeathTest = testing::Test;

TEST_F(FatalDeathTest, NullPointerNamesExpressionFileAndLine)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    int* missing = nullptr;
    EXPECT_EXIT(
        {
            stdout_to_stderr();
            GEN_CHECK_NULL(missing);
        },
        testing::ExitedWithCode(1),
        "nullptr:missing == NULL\ntests/log/FatalTest.cpp\nLINE:[0-9]+\nprogram will exit in 5 sec\n$");
}

TEST_F(FatalDeathTest, RegisteringANullSinkIsFatal)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            stdout_to_stderr();
            gen::log::add_log_appender(nullptr);
        },
        testing::ExitedWithCode(1), "nullptr:appender == NULL\nsrc/gen/log/GLog.cpp\nLINE:");
}

TEST_F(FatalDeathTest, FalseExpressionAndFatalErrorSayGoodbye)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            stdout_to_stderr();
            GEN_CHECK_BOOL(1 + 1 == 3);
        },
        testing::ExitedWithCode(1),
        "bool expression failure:\ntests/log/FatalTest.cpp\nLINE:[0-9]+\nprogram will exit in 5 sec\nprogram exit !\n$");
    EXPECT_EXIT(
        {
            stdout_to_stderr();
            gen::exit_fatal(QStringLiteral("type 12345 is not registered"));
        },
        testing::ExitedWithCode(1), "type 12345 is not registered\nprogram will exit in 5 sec\nprogram exit !\n$");
}

TEST(Fatal, BuildTimestampHasCompilerDateAndTime)
{
    QRegularExpression const stamp(R"(^[A-Z][a-z]{2} [ \d]\d \d{4} - \d{2}:\d{2}:\d{2}$)");
    std::string const build = gen::get_build_timestamp();
    EXPECT_TRUE(stamp.match(QString::fromStdString(build)).hasMatch()) << build;
}
