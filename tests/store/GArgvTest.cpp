#include <gen/store/GArgv.h>

#include "support/RecordingSink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using gen::store::GArgv;

namespace {
// Parsed from "prog args...", as the operating system passes them.
GArgv arguments(std::vector<std::string> args)
{
    args.insert(args.begin(), "prog");
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    GArgv parsed;
    parsed.set_arguments(static_cast<int>(argv.size()), argv.data());
    return parsed;
}

QString text(GArgv const& map, char const* key)
{
    return map.get<QString>(QString::fromUtf8(key), QStringLiteral("<absent>"));
}
}  // namespace

TEST(GArgv, KeysValuesAndFlags)
{
    GArgv none;
    none.set_arguments(3, nullptr);
    EXPECT_TRUE(none.source().isEmpty());
    EXPECT_TRUE(none.parse());
    EXPECT_EQ(none.size(), 0);

    GArgv argv = arguments({"-verbose", "--__log_level", "3", "-name", "two words", "---x", "-5", "-y=1"});
    EXPECT_EQ(argv.source(), QStringLiteral("-verbose --__log_level 3 -name \"two words\" ---x -5 -y=1"));
    ASSERT_TRUE(argv.parse());
    EXPECT_EQ(argv.size(), 6);
    EXPECT_TRUE(argv.is_flag("verbose"));
    EXPECT_EQ(text(argv, "__log_level"), "3");
    EXPECT_EQ(text(argv, "name"), "two words");
    // A value cannot begin with a dash and "=" has no meaning.
    EXPECT_TRUE(argv.is_flag("x") && argv.is_flag("5") && argv.is_flag("y=1"));

    GArgv repeated = arguments({"-a", "b", "-c", "-a", "last"});
    ASSERT_TRUE(repeated.parse());
    EXPECT_EQ(text(repeated, "a"), "last");
    EXPECT_TRUE(repeated.is_flag("c"));
    // Parsing again adds to the map.
    repeated.set_arguments(2, std::vector<char*>{nullptr, std::string("-d").data()}.data());
    EXPECT_TRUE(repeated.parse());
    EXPECT_EQ(repeated.size(), 3);
}

TEST(GArgv, AwkwardArgumentsComeBackUnchanged)
{
    for (std::string const value : {"say \"hi\" now", "\"quoted\"", "a\"b", "\"", "\"\"\"", "C:\\my dir\\", "",
                                    "back\\\"slash", "tab\there", "line\nbreak", "nb\u00A0sp"}) {
        GArgv argv = arguments({"-v", value, "-f"});
        ASSERT_TRUE(argv.parse()) << value;
        EXPECT_EQ(text(argv, "v"), QString::fromStdString(value)) << value;
        EXPECT_TRUE(argv.is_flag("f")) << value;
    }
}

TEST(GArgv, FailuresNameTheirCause)
{
    test::LogLevelGuard level(gen::log::LEVEL_ERROR);
    std::vector<std::pair<std::vector<std::string>, std::string>> const cases = {
        {{"-"}, "GArgv::parse, empty key"},
        {{"-a", "--"}, "GArgv::parse, empty key"},
        {{"bare"}, "GArgv::parse, expected key, got 'bare'"},
        {{"-a", "b", "c"}, "GArgv::parse, expected key, got 'c'"},
        {{"-a b"}, "GArgv::parse, unexpected token type"},
        {{"-a", "x", ""}, "GArgv::parse, unexpected token type"},
        {{"-a", "1", "-b"}, "'c' missing"},
    };
    for (auto const& [args, message] : cases) {
        test::RecordingSink sink;
        GArgv argv = arguments(args);
        argv.set_must_have_keys({QStringLiteral("a"), QStringLiteral("c"), QStringLiteral("d")});
        EXPECT_FALSE(argv.parse()) << message;
        EXPECT_EQ(sink.texts(), std::vector<std::string>{message});
    }
    GArgv complete = arguments({"-a", "-c", "x", "-d"});
    complete.set_must_have_keys({QStringLiteral("a"), QStringLiteral("c"), QStringLiteral("d")});
    EXPECT_TRUE(complete.parse());
}

TEST(GArgv, ShowLogsCountAndEntriesInKeyOrder)
{
    test::LogLevelGuard level(gen::log::LEVEL_DEBUG);
    test::RecordingSink sink;
    GArgv argv = arguments({"-z", "-a", "1"});
    ASSERT_TRUE(argv.parse());
    argv.show(2);
    EXPECT_EQ(sink.texts(), (std::vector<std::string>{"  GArgv, arguments:2", "  a='{QString, value:\"1\"}'",
                                                       "  z='{bool, value:\"true\"}'"}));
}
