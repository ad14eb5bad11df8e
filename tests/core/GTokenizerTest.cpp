#include <gen/GDelimiter.h>
#include <gen/GTokenizer.h>

#include "support/RecordingSink.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <type_traits>
#include <vector>

using gen::GDelimiter;
using gen::GTokenizer;

namespace {

// Read while this translation unit initialises, in no defined order relative
// to the library's own initialisation.
qsizetype const kAllSizeAtStaticInit = GDelimiter::sDelimAll->size();

std::vector<QString> texts(GTokenizer const& tok)
{
    std::vector<QString> out;
    for (QStringView token : tok.tokens) {
        out.push_back(token.toString());
    }
    return out;
}

using Texts = std::vector<QString>;

}  // namespace

// A temporary text would leave the tokens dangling.
static_assert(!std::is_constructible_v<GTokenizer, QString&&, QString const&, bool, bool>);

TEST(GTokenizer, SplitsAtDelimitersWithoutEmptyTokens)
{
    QString const path = QStringLiteral(":/wb/icons/planet.svg");
    GTokenizer tok(path, QStringLiteral("/"), false, false);
    EXPECT_EQ(texts(tok), (Texts{":", "wb", "icons", "planet.svg"}));
    // Views into the caller's text, not copies.
    EXPECT_EQ(tok.tokens[3].data(), path.constData() + 11);

    QString const list = QStringLiteral(",a,,b,");
    EXPECT_EQ(tok.buildToken(list, QStringLiteral(","), false, false), 2);
    EXPECT_EQ(texts(tok), (Texts{"a", "b"}));
    EXPECT_EQ(tok.buildToken(list, QStringLiteral(",;"), true, false), 6);
    EXPECT_EQ(texts(tok), (Texts{",", "a", ",", ",", "b", ","}));

    QString const empty;
    EXPECT_EQ(tok.buildToken(empty, QStringLiteral(","), true, false), 0);
    QString const sentence = QStringLiteral(" a b ");
    EXPECT_EQ(tok.buildToken(sentence, QString(), false, false), 1);
    EXPECT_EQ(texts(tok), (Texts{" a b "}));
}

TEST(GTokenizer, QuotedTokensKeepTheirQuotes)
{
    QString const text = QStringLiteral("x \"a b\" y");
    QString const blank = QStringLiteral(" ");
    EXPECT_EQ(texts(GTokenizer(text, blank, false, true)), (Texts{"x", "\"a b\"", "y"}));
    EXPECT_EQ(texts(GTokenizer(text, blank, false, false)), (Texts{"x", "\"a", "b\"", "y"}));

    // A quote ends an open word; a quote that is also a delimiter still quotes.
    QString const glued = QStringLiteral("ab\"c,d\"e");
    EXPECT_EQ(texts(GTokenizer(glued, QStringLiteral(",\""), true, true)), (Texts{"ab", "\"c,d\"", "e"}));
    // Without a closing quote the token runs to the end of the text.
    QString const open = QStringLiteral("x \"a b");
    EXPECT_EQ(texts(GTokenizer(open, blank, false, true)), (Texts{"x", "\"a b"}));
}

TEST(GTokenizer, CursorReadsLogTokensThatAreNoNumbers)
{
    test::LogLevelGuard level(gen::log::LEVEL_DEBUG);
    test::RecordingSink sink;
    QString const text = QStringLiteral("-7,2.5,12x,2147483648,abc, 5");
    GTokenizer tok(text, QStringLiteral(","), false, false);
    tok.putBack();
    EXPECT_EQ(tok.cursor, 0);
    EXPECT_TRUE(tok.is_Next_Token(QStringLiteral("-7")));
    EXPECT_EQ(tok.nextInt(), -7);
    tok.putBack();
    EXPECT_DOUBLE_EQ(tok.nextDouble(), -7.0);
    EXPECT_DOUBLE_EQ(tok.nextDouble(), 2.5);
    EXPECT_TRUE(sink.texts().empty());
    EXPECT_EQ(tok.nextInt(), 0);
    EXPECT_EQ(tok.nextInt(), 0);  // beyond 32 bits
    EXPECT_DOUBLE_EQ(tok.nextDouble(), 0.0);
    EXPECT_EQ(tok.nextInt(), 0);  // surrounding blank
    EXPECT_EQ(tok.nextInt(), 0);  // past the last token
    EXPECT_EQ(sink.texts(), (std::vector<std::string>{
                                "XTokenizer::nextInt, token '12x' is not a number",
                                "XTokenizer::nextInt, token '2147483648' is not a number",
                                "XTokenizer::nextDouble, token 'abc' is not a 'real' number",
                                "XTokenizer::nextInt, token ' 5' is not a number",
                                "XTokenizer::nextInt, token '' is not a number",
                            }));
    EXPECT_EQ(tok.cursor, 7);
    tok.putBack();
    EXPECT_EQ(tok.cursor, 6);
    // Rebuilding starts reading from the first token again.
    tok.buildToken(text, QStringLiteral(","), false, false);
    EXPECT_EQ(tok.cursor, 0);
}

TEST(GTokenizer, TokenClassification)
{
    EXPECT_TRUE(GTokenizer::is_Number(u"-2147483648"));
    EXPECT_TRUE(GTokenizer::is_Number(u"+0012"));
    EXPECT_FALSE(GTokenizer::is_Number(u"2147483648"));
    EXPECT_FALSE(GTokenizer::is_Number(u"0x10"));
    EXPECT_TRUE(GTokenizer::is_RealNumber(u"-1.5e-3"));
    EXPECT_FALSE(GTokenizer::is_RealNumber(u"1,5"));
    EXPECT_FALSE(GTokenizer::is_RealNumber(u"1.5 "));

    EXPECT_TRUE(GTokenizer::is_String(u"\"\""));
    EXPECT_FALSE(GTokenizer::is_String(u"\""));
    EXPECT_FALSE(GTokenizer::is_String(u"\"a"));
    EXPECT_EQ(GTokenizer::get_String(u"\"a b\""), u"a b");
    EXPECT_EQ(GTokenizer::get_String(u"\"a"), u"\"a");

    EXPECT_TRUE(GTokenizer::is_WhiteSpace(u""));
    EXPECT_TRUE(GTokenizer::is_WhiteSpace(u" \t "));
    EXPECT_FALSE(GTokenizer::is_WhiteSpace(u" \n"));

    EXPECT_TRUE(GTokenizer::is_One_of_these_Chars(u"*", u"+-*/"));
    EXPECT_FALSE(GTokenizer::is_One_of_these_Chars(u"**", u"+-*/"));
    EXPECT_TRUE(GTokenizer::is_Operator(u"-", u"+-"));
    EXPECT_TRUE(GTokenizer::is_Bracket_open(u"[", u"([{"));
    EXPECT_FALSE(GTokenizer::is_Bracket_close(u"(", u")]}"));
}

TEST(GTokenizer, LookAheadIsRelativeToTheCursor)
{
    QString const text = QStringLiteral("f ( 3 , \"s\" )");
    GTokenizer tok(text, QStringLiteral(" "), false, true);
    tok.cursor = 1;
    EXPECT_TRUE(tok.is_Bracket_open(0, u"("));
    EXPECT_TRUE(tok.is_Number(1));
    EXPECT_TRUE(tok.is_One_of_these_Chars(2, u";,"));
    EXPECT_TRUE(tok.is_String(3));
    EXPECT_TRUE(tok.is_Bracket_close(4, u")"));
    // Beyond the last token: an empty token.
    EXPECT_TRUE(tok.is_WhiteSpace(5));
    EXPECT_FALSE(tok.is_Number(5));
    EXPECT_FALSE(tok.is_String(4000000000u));
}

TEST(GTokenizer, FillAndWhiteSpaceRemoval)
{
    QString const text = QStringLiteral("b,a, \t,b,,c");
    GTokenizer tok(text, QStringLiteral(","), true, false);
    std::set<QString> seen{QStringLiteral("z")};
    tok.fill(seen);
    EXPECT_EQ(seen, (std::set<QString>{"z", "a", "b", "c", ",", " \t"}));

    tok.cursor = 3;
    tok.remove_White_Space_Token();
    EXPECT_EQ(tok.cursor, 0);
    EXPECT_EQ(texts(tok), (Texts{"b", ",", "a", ",", ",", "b", ",", ",", "c"}));

    EXPECT_EQ(GTokenizer::removeWhitespace(QStringLiteral(" a\tb\r\nc \u3000")), QStringLiteral("abc\u3000"));
}

TEST(GTokenizer, ShowLogsTokensFromTheCursorOrAll)
{
    test::LogLevelGuard level(gen::log::LEVEL_DEBUG);
    test::RecordingSink sink;
    QString const text = QStringLiteral("a b c");
    GTokenizer tok(text, QStringLiteral(" "), false, false);
    tok.cursor = 2;
    tok.show(2, false);
    EXPECT_EQ(sink.texts(), (std::vector<std::string>{"  GTokenizer::show, tokens:3 cursor:2", "  [2] 'c'"}));
    sink.clear();
    tok.show(0, true);
    EXPECT_EQ(sink.texts().size(), 4u);
}

TEST(GDelimiter, StandardSetsInOrder)
{
    QString const ascii = GDelimiter::sDelimAscii;
    EXPECT_EQ(ascii, QStringLiteral(" \t{,;:./}()[]@\\+-*/%^#!?<>|&~=\"'`"));
    EXPECT_EQ(ascii.size(), 33);
    EXPECT_EQ(GDelimiter::sDelimAscii_Sentence.get(), QStringLiteral(".!?"));
    // Spelled as glyphs here, as escapes in the library.
    EXPECT_EQ(GDelimiter::sDelimChinese.get(), QStringLiteral("。！．，？：…（）高”《》“　"));
    EXPECT_EQ(GDelimiter::sDelimAll.get(), ascii + GDelimiter::sDelimChinese.get());
    EXPECT_EQ(GDelimiter::sDelimAll_Sentence.get(), QStringLiteral(".!?") + GDelimiter::sDelimChinese.get());
    EXPECT_EQ(kAllSizeAtStaticInit, 48);

    ASSERT_EQ(GDelimiter::arDelimChinese.size(), 15u);
    for (std::size_t i = 0; i < GDelimiter::arDelimChinese.size(); ++i) {
        std::string_view const utf8 = GDelimiter::arDelimChinese[i];
        QString const decoded = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
        ASSERT_EQ(decoded.size(), 1) << i;
        EXPECT_EQ(decoded[0], GDelimiter::sDelimChinese->at(qsizetype(i))) << i;
    }

    QString const text = QStringLiteral("Hi! \u4F60\u597D\u3002Ok?\u3000go");
    GTokenizer tok(text, GDelimiter::sDelimAll_Sentence, false, false);
    EXPECT_EQ(texts(tok), (Texts{"Hi", QStringLiteral(" \u4F60\u597D"), "Ok", "go"}));
}
