#include <gen/store/Token.h>

#include "support/RecordingSink.h"

#include <QStringList>

#include <gtest/gtest.h>

using gen::store::Token;

namespace {
// "TYPE:text" per token.
QStringList describe(QString const& source)
{
    QStringList out;
    for (Token const& token : Token::token_from_source(source)) {
        out << QString::fromLatin1(Token::type_name(token.type)) + u':' + token.text.toString();
    }
    return out;
}
}  // namespace

TEST(Token, CutsWordsAndQuotesAtEveryKindOfBlank)
{
    EXPECT_EQ(describe(QStringLiteral(" -a\tb\nc\u00A0d\u0085e\u2003f \"x  \\y\" g\"h\\\"i ")),
              QStringList({"WORD:-a", "WORD:b", "WORD:c", "WORD:d", "WORD:e", "WORD:f", "QUOTE:x  \\y",
                           "WORD:g\"h\\\"i", "END:"}));
    // A quote ends at its closing quote even without a blank after it.
    EXPECT_EQ(describe(QStringLiteral("\"a\"b \"\" c")),
              QStringList({"QUOTE:a", "WORD:b", "QUOTE:", "WORD:c", "END:"}));
    EXPECT_EQ(describe(QString()), QStringList({"END:"}));
    EXPECT_EQ(describe(QStringLiteral(" \t\r\n ")), QStringList({"END:"}));
}

TEST(Token, DoubledQuoteInsideAQuoteIsOneLiteralQuote)
{
    QString const source = QStringLiteral("\"say \"\"hi\"\"\" \"\"\"\" a\"\"b");
    std::vector<Token> const tokens = Token::token_from_source(source);
    ASSERT_EQ(tokens.size(), 4u);
    EXPECT_EQ(tokens[0].value(), QStringLiteral("say \"hi\""));
    EXPECT_EQ(tokens[1].value(), QStringLiteral("\""));
    EXPECT_EQ(tokens[2].value(), QStringLiteral("a\"\"b"));  // words keep their quotes
    EXPECT_EQ(tokens[0].to_string(), QStringLiteral("<<<say \"\"hi\"\">>> QUOTE"));
    EXPECT_EQ(tokens[2].to_string(), QStringLiteral("<<<a\"\"b>>> WORD"));
    EXPECT_EQ(tokens[3].to_string(), QStringLiteral("<<<>>> END"));
}

TEST(Token, UnterminatedQuoteGivesNoTokensAndAnError)
{
    test::LogLevelGuard level(gen::log::LEVEL_ERROR);
    for (char const* text : {"-a \"open", "\"", "\"a\"\""}) {
        test::RecordingSink sink;
        EXPECT_TRUE(describe(QString::fromUtf8(text)).isEmpty()) << text;
        EXPECT_EQ(sink.texts(), std::vector<std::string>{"GArgv::parse, unterminated quote in argument string"});
    }
}
