#pragma once
// EXPECT_FATAL_EXIT(statement, regex): `statement` ends the process through
// the framework's fatal handling (exit code 1) with a message matching
// `regex`. The handlers print on standard output, death tests read standard
// error; Qt's threads need the thread-safe style. Each use waits out the
// handler's five-second pause.

#include <gtest/gtest.h>

#include <unistd.h>

#define EXPECT_FATAL_EXIT(statement, regex)                                                         \
    do {                                                                                            \
        GTEST_FLAG_SET(death_test_style, "threadsafe");                                             \
        EXPECT_EXIT({ ::dup2(STDERR_FILENO, STDOUT_FILENO); statement; }, ::testing::ExitedWithCode(1), regex); \
    } while (false)
