// The fatal paths end the process after a five-second pause; each death test
// therefore takes five seconds, so there is one per handler.
#include <gen/log/fatal.h>

#include <gen/log/GLog.h>

#include "support/Fatal.h"

using FatalDeathTest = testing::Test;

TEST_F(FatalDeathTest, NullPointerNamesExpressionFileAndLine)
{
    int* missing = nullptr;
    EXPECT_FATAL_EXIT(GEN_CHECK_NULL(missing),
                      "nullptr:missing == NULL\ntests/log/FatalTest.cpp\nLINE:[0-9]+\nprogram will exit in 5 sec\n$");
    EXPECT_FATAL_EXIT(gen::log::add_log_appender(nullptr), "nullptr:appender == NULL\nsrc/gen/log/GLog.cpp\nLINE:");
}

TEST_F(FatalDeathTest, FalseExpressionAndFatalErrorSayGoodbye)
{
    EXPECT_FATAL_EXIT(
        GEN_CHECK_BOOL(1 + 1 == 3),
        "bool expression failure:\ntests/log/FatalTest.cpp\nLINE:[0-9]+\nprogram will exit in 5 sec\nprogram exit !\n$");
    EXPECT_FATAL_EXIT(gen::exit_fatal(QStringLiteral("type 12345 is not registered")),
                      "type 12345 is not registered\nprogram will exit in 5 sec\nprogram exit !\n$");
}
