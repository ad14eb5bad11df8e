// The command line: the tokenizer (Token), the argument map (GArgv) and
// configure, which takes the log level from it.
#include <gen/store/GArgv.h>
#include <gen/store/Token.h>
#include <gen/store/configure.h>

#include <gen/log/LogConsole.h>

#include "support/LogCapture.h"

#include <QStringList>

#include <gtest/gtest.h>

using gen::store::GArgv;
using gen::store::Token;

namespace {

// The argv of "prog args...", as the operating system passes it.
std::vector<char*> argv_of(std::vector<std::string>& args)
{
    args.insert(args.begin(), "prog");
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    return argv;
}

GArgv arguments(std::vector<std::string> args, std::vector<QString> const& mustHave = {})
{
    std::vector<char*> argv = argv_of(args);
    GArgv parsed;
    parsed.set_arguments(static_cast<int>(argv.size()), argv.data());
    parsed.set_must_have_keys(mustHave);
    return parsed;
}

}  // namespace

// Each row: the arguments and either the parsed entries or the one ERROR
// line of the refusal. Keys "a", "c" and "d" must be given.
TEST(GArgv, KeysTakeTheNextArgumentUnlessItIsAKeyTokensCutAtEveryKindOfBlank)
{
    std::pair<std::vector<std::string>, std::vector<std::string>> const rows[] = {
        {{"-a", "--__log_level", "3", "-c", "two words", "---d", "-5", "-y=1"},
         // A value cannot begin with a dash and "=" has no meaning.
         {"5", "__log_level=3", "a", "c=two words", "d", "y=1"}},
        {{"-a", "b", "-c", "-a", "last", "-d"}, {"a=last", "c", "d"}},
        // Awkward values come back unchanged through the quoted source line.
        {{"-a", "say \"hi\" now", "-c", "\"quoted\"", "-d", "a\"b", "-e", "\"\"\"", "-f", "C:\\my dir\\", "-g", ""},
         {"a=say \"hi\" now", "c=\"quoted\"", "d=a\"b", "e=\"\"\"", "f=C:\\my dir\\", "g="}},
        {{"-a", "--"}, {"GArgv::parse, empty key"}},
        {{"-a", "b", "c"}, {"GArgv::parse, expected key, got 'c'"}},
        {{"-a", "x", ""}, {"GArgv::parse, unexpected token type"}},
        {{}, {"'a' missing"}},
    };
    for (auto const& [args, expected] : rows) {
        test::LogCapture log(gen::log::LEVEL_ERROR);
        GArgv argv = arguments(args, {"a", "c", "d"});
        bool const parsed = argv.parse();
        EXPECT_EQ(parsed, log.texts().empty());
        // The refusal, or "key=value" per entry in key order, a flag as its bare key.
        std::vector<std::string> entries = log.texts();
        for (auto it = argv.values().cbegin(); parsed && it != argv.values().cend(); ++it) {
            bool const flag = it->metaType() == QMetaType::fromType<bool>();
            entries.push_back((flag ? it.key() : it.key() + u'=' + it->toString()).toStdString());
        }
        EXPECT_EQ(entries, expected) << testing::PrintToString(args);
    }
    // Parsing again adds to the map.
    GArgv argv = arguments(rows[0].first);
    ASSERT_TRUE(argv.parse());
    argv.set_arguments(2, std::vector<char*>{nullptr, std::string("-e").data()}.data());
    EXPECT_TRUE(argv.parse());
    test::LogCapture log(gen::log::LEVEL_DEBUG);
    argv.show(2);
    EXPECT_EQ(log.count("  GArgv, arguments:7"), 1u);
    EXPECT_EQ(log.texts().back(), "  y=1='{bool, value:\"true\"}'");  // in key order
    // The tokens under it: words and quotes cut at every kind of blank.
    std::pair<QString, QStringList> const sources[] = {
        {QStringLiteral(" -a\tb\nc\u00A0d\u0085e\u2003f \"x  \\y\" g\"h\\\"i "),
         {"WORD:-a", "WORD:b", "WORD:c", "WORD:d", "WORD:e", "WORD:f", "QUOTE:x  \\y", "WORD:g\"h\\\"i", "END:"}},
        // Inside a quote a doubled quote is one literal quote; words keep theirs.
        {QStringLiteral("\"say \"\"hi\"\"\" \"\"\"\" a\"\"b"), {"QUOTE:say \"hi\"", "QUOTE:\"", "WORD:a\"\"b", "END:"}},
        // An unterminated quote gives nothing, even when its end looks doubled.
        {QStringLiteral("-a \"a\"\""), {}},
    };
    for (auto const& [source, expected] : sources) {
        test::LogCapture errors(gen::log::LEVEL_ERROR);
        QStringList described;  // "TYPE:value" per token
        for (Token const& token : Token::token_from_source(source)) {
            described << QString::fromLatin1(Token::type_name(token.type)) + u':' + token.value();
        }
        EXPECT_EQ(described, expected) << source.toStdString();
        EXPECT_EQ(errors.count("GArgv::parse, unterminated quote in argument string"), expected.isEmpty() ? 1u : 0u);
    }
    // The raw text keeps the doubled quotes.
    EXPECT_EQ(Token::token_from_source(sources[1].first)[0].to_string(), QStringLiteral("<<<say \"\"hi\"\">>> QUOTE"));
}

// Each row runs configure on "prog args..." from level DEBUG; its standard
// output, with a DEBUG probe line logged after it, holds `parts` in order.
TEST(Configure, LevelFromTheCommandLineOrAReasonedFallback)
{
    using namespace gen::log;
    struct Row { std::vector<std::string> args; int level; std::vector<std::string> parts; };
    std::vector<Row> rows = {
        {{}, LEVEL_TRACE, {"[DEB]", "probe"}},
        {{"-a", "--__log_level", "0", "-b"}, LEVEL_ERROR, {}},  // the DEBUG probe is filtered
        // Refused by the parser: the level stays.
        {{"bare", "--__log_level", "0"}, LEVEL_DEBUG, {"[ERR]", "got 'bare'\nlog::configure, GArgv parser error\n"}},
        {{"--__log_level", "loud"}, LEVEL_TRACE, {"[WRN]", "GAttributes::get, '__log_level' type conversion problem"}},
        // Without a number the option is a flag, which Qt would make level 1.
        {{"--__log_level"}, LEVEL_TRACE, {"[WRN]", "log::configure, '__log_level' given without a level"}},
    };
    test::LogCapture restore{LEVEL_DEBUG};  // the level and the sinks come back
    consoleLogger.logConfig.logControl.set(0);
    for (Row& row : rows) {
        std::vector<char*> argv = argv_of(row.args);
        set_log_level(LEVEL_DEBUG);
        testing::internal::CaptureStdout();
        configure(static_cast<int>(argv.size()), argv.data());
        int const level = get_log_level();
        log_string(LEVEL_DEBUG, "probe");
        remove_log_appender(&consoleLogger);
        std::string const out = testing::internal::GetCapturedStdout();
        SCOPED_TRACE(out);
        EXPECT_EQ(level, row.level);
        std::size_t at = 0;
        for (std::string const& part : row.parts) {
            at = out.find(part, at);
            EXPECT_NE(at, std::string::npos) << part;
        }
        EXPECT_EQ(out.find("probe") != std::string::npos, row.level >= LEVEL_DEBUG);
    }
}
