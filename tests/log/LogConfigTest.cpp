#include <gen/log/LogConfig.h>

#include <gen/log/GLog.h>
#include <gen/tools/xprintf.h>

#include <gtest/gtest.h>

#include <cstring>

using gen::log::LogConfig;

TEST(LogConfig, DefaultsAndRawLayout)
{
    LogConfig config;
    EXPECT_EQ(config.digits, 6u);
    EXPECT_EQ(config.logLevel, 3u);
    EXPECT_EQ(config.logControl.get(), 0u);
    EXPECT_EQ(config.fontSize, 10u);
    EXPECT_FALSE(config.is_enabled());

    // The stored form is four native 32-bit words in field order.
    config.digits = 1;
    config.logLevel = 2;
    config.logControl.set(3);
    config.fontSize = 4;
    unsigned int words[4];
    std::memcpy(words, &config, sizeof words);
    EXPECT_EQ(words[0], 1u);
    EXPECT_EQ(words[1], 2u);
    EXPECT_EQ(words[2], 3u);
    EXPECT_EQ(words[3], 4u);
}

TEST(LogConfig, IniMasksAndTextForms)
{
    LogConfig config;
    config.ini();
    EXPECT_EQ(config.logControl.get(), 990u);
    EXPECT_FALSE(config.is_enabled());
    EXPECT_FALSE(config.logControl.is_set(gen::log::control::MICRO_SECONDS));
    EXPECT_EQ(config.fontSize, 10u);  // only Android enlarges it
    EXPECT_EQ(config.to_string(), QStringLiteral("LogConfig, DISABLED,  DEB, logControl:990, digits:6"));

    config.ini_mobile();
    EXPECT_EQ(config.logControl.get(), 0x100040u);
    EXPECT_TRUE(config.is_enabled());
    config.logLevel = 0;
    config.digits = 4;
    EXPECT_EQ(config.to_string(), QStringLiteral("LogConfig, ERR, logControl:1048640, digits:4"));
    // The formatter renders it through to_string().
    EXPECT_EQ(gen::str::xprintF(0, "<$>", config), "<LogConfig, ERR, logControl:1048640, digits:4>");

    config.logLevel = 77;
    EXPECT_EQ(config.to_string(), QStringLiteral("LogConfig, , logControl:1048640, digits:4"));
}

TEST(LogConfig, ShowWritesItsFieldsToStandardOutput)
{
    LogConfig config;
    config.logControl.set(0x40);
    testing::internal::CaptureStdout();
    config.show();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "LogConfig:\n   logControl:1\n   digits:6\n   logLevel:3\n   fontSize:10\n");
}
