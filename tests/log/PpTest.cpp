#include <gen/log/pp.h>

#include "support/RecordingSink.h"

#include <gtest/gtest.h>

using namespace gen;

namespace {
struct CountsRenders {
    static inline int renders = 0;
    std::string to_string() const
    {
        ++renders;
        return "rendered";
    }
};
}  // namespace

TEST(Pp, EachFamilyLogsAtItsLevel)
{
    test::LogLevelGuard level(log::LEVEL_TRACE);
    test::RecordingSink sink;
    pp("d");
    pp_info("i");
    pp_warn("w");
    pp_error("e");
    pp_trace("t");
    auto const lines = sink.lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].level, log::LEVEL_DEBUG);
    EXPECT_EQ(lines[1].level, log::LEVEL_INFO);
    EXPECT_EQ(lines[2].level, log::LEVEL_WARN);
    EXPECT_EQ(lines[3].level, log::LEVEL_ERROR);
    EXPECT_EQ(lines[4].level, log::LEVEL_TRACE);
}

TEST(Pp, OverloadsBuildTheirTexts)
{
    test::LogLevelGuard level(log::LEVEL_TRACE);
    test::RecordingSink sink;
    pp();
    pp(2, "x");
    pp(QStringLiteral("Zürich"));
    pp(std::string("std"));
    pp("value:$!", 42);
    pp_error("$ and $", QStringLiteral("q"));
    pp_trace("<<<$>>>", std::string());
    char const* nullText = nullptr;
    pp_warn(3, nullText);
    using V = std::vector<std::string>;
    EXPECT_EQ(sink.texts(), (V{"", "  x", "Z\xC3\xBCrich", "std", "value:42!", "q and $", "<<<>>>", "   nullptr"}));
}

TEST(Pp, FilteredCallsDoNotRenderTheirValues)
{
    test::LogLevelGuard level(log::LEVEL_INFO);
    test::RecordingSink sink;
    CountsRenders::renders = 0;
    pp("debug $", CountsRenders{});
    pp_trace("trace $", CountsRenders{});
    EXPECT_EQ(CountsRenders::renders, 0);
    pp_error("error $", CountsRenders{});
    EXPECT_EQ(CountsRenders::renders, 1);
    ASSERT_EQ(sink.texts().size(), 1u);
    EXPECT_EQ(sink.texts()[0], "error rendered");
}

TEST(Pp, SeparatorLinesCountSeparately)
{
    test::LogLevelGuard level(log::LEVEL_DEBUG);
    test::RecordingSink sink;
    pp_line();
    pp_line();
    pp_info_line();
    auto const lines = sink.lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].text, "---- [ 1 ] ------");
    EXPECT_EQ(lines[1].text, "---- [ 2 ] ------");
    EXPECT_EQ(lines[2].text, "=== [ 1 ] ======");
    EXPECT_EQ(lines[0].level, log::LEVEL_DEBUG);
    EXPECT_EQ(lines[2].level, log::LEVEL_INFO);
}
