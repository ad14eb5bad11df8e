#include <gen/GDelimiter.h>
#include <gen/GTokenizer.h>

#include "support/LogCapture.h"
#include "support/Rows.h"

#include <set>
#include <tuple>
#include <type_traits>

using gen::GDelimiter;
using gen::GTokenizer;

namespace {
// Read while this translation unit initialises, in no defined order relative
// to the library's own initialisation.
qsizetype const kAllSizeAtStaticInit = GDelimiter::sDelimAll->size();

using Texts = std::vector<QString>;

Texts texts(GTokenizer const& tok)
{
    Texts out;
    for (QStringView token : tok.tokens) {
        out.push_back(token.toString());
    }
    return out;
}
}  // namespace

// A temporary text would leave the tokens dangling.
static_assert(!std::is_constructible_v<GTokenizer, QString&&, QString const&, bool, bool>);

TEST(GTokenizer, SplitsKeepsQuotesReadsFromTheCursorClassifiesTokensWithCompleteDelimiterSets)
{
    // Text, delimiters, delimiters kept, quotes honoured, tokens.
    std::tuple<QString, QString, bool, bool, Texts> const cases[] = {
        {":/wb/icons/planet.svg", "/", false, false, {":", "wb", "icons", "planet.svg"}},
        {",a,,b,", ",", false, false, {"a", "b"}},  // no empty tokens
        {",a,,b,", ",;", true, false, {",", "a", ",", ",", "b", ","}},
        {"x \"a b\" y", " ", false, false, {"x", "\"a", "b\"", "y"}},
        // A quote ends an open word; a quote that is also a delimiter still quotes.
        {"ab\"c,d\"e", ",\"", true, true, {"ab", "\"c,d\"", "e"}},
        {"x \"a b", " ", false, true, {"x", "\"a b"}},  // unclosed: runs to the end
        {"Hi! \u4F60\u597D\u3002Ok?\u3000go", GDelimiter::sDelimAll_Sentence, false, false,
         {"Hi", " \u4F60\u597D", "Ok", "go"}},
    };
    QString const& path = std::get<0>(cases[0]);
    GTokenizer tok(path, QStringLiteral("/"), false, false);
    // Views into the caller's text, not copies.
    EXPECT_EQ(tok.tokens[3].data(), path.constData() + 11);
    for (auto const& [text, delimiters, withDelimiters, quotes, tokens] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(texts(GTokenizer(text, delimiters, withDelimiters, quotes)), tokens);
        EXPECT_EQ(tok.buildToken(text, delimiters, withDelimiters, quotes), qsizetype(tokens.size()));
    }
    // The cursor reads tokens and logs those that are no numbers.
    test::LogCapture log(gen::log::LEVEL_DEBUG);
    QString const numbers = QStringLiteral("-7,2.5,2147483648,abc, 5");
    GTokenizer reader(numbers, QStringLiteral(","), false, false);
    reader.putBack();  // at the start: stays there
    EXPECT_TRUE(reader.is_Next_Token(QStringLiteral("-7")));
    // Bad tokens, one beyond 32 bits, one with a blank and one past the end read as 0.
    std::vector<double> const read{double(reader.nextInt()), reader.nextDouble(), double(reader.nextInt()),
                                   reader.nextDouble(),      double(reader.nextInt()), double(reader.nextInt())};
    EXPECT_EQ(read, (std::vector<double>{-7.0, 2.5, 0, 0, 0, 0}));
    reader.putBack();
    reader.putBack();
    reader.show(2, false);  // from the cursor
    EXPECT_EQ(log.texts(), (std::vector<std::string>{
                               "XTokenizer::nextInt, token '2147483648' is not a number",
                               "XTokenizer::nextDouble, token 'abc' is not a 'real' number",
                               "XTokenizer::nextInt, token ' 5' is not a number",
                               "XTokenizer::nextInt, token '' is not a number",
                               "  GTokenizer::show, tokens:5 cursor:4",
                               "  [4] ' 5'",
                           }));
    log.clear();
    reader.show(0, true);
    reader.buildToken(numbers, QStringLiteral(","), false, false);  // starts from the first token again
    EXPECT_TRUE(log.texts().size() == 6u && reader.cursor == 0);
    // Classification, also relative to the cursor; fill and white space removal.
    QString const expression = QStringLiteral("f ( 3 , \"s\" 1.5 )");
    GTokenizer terms(expression, QStringLiteral(" "), false, true);
    terms.cursor = 1;
    using T = GTokenizer;
    test::expect_rows<bool>({
        {T::is_Number(u"-2147483648"), true}, {T::is_Number(u"2147483648"), false}, {T::is_Number(u"0x10"), false},
        {T::is_RealNumber(u"-1.5e-3"), true}, {T::is_RealNumber(u"1,5"), false}, {T::is_RealNumber(u"1.5 "), false},
        {T::is_String(u"\"\""), true}, {T::is_String(u"\""), false}, {T::is_WhiteSpace(u" \t "), true},
        {T::is_WhiteSpace(u" \n"), false}, {T::is_One_of_these_Chars(u"**", u"+-*/"), false},
        {T::is_Operator(u"-", u"+-"), true}, {T::is_Bracket_open(u"[", u"([{"), true},
        {T::is_Bracket_close(u"(", u")]}"), false},
        // Relative to the cursor; beyond the last token an empty token.
        {terms.is_Bracket_open(0, u"("), true}, {terms.is_Number(1), true}, {terms.is_One_of_these_Chars(2, u";,"), true},
        {terms.is_Operator(2, u","), true}, {terms.is_String(3), true}, {terms.is_RealNumber(4), true},
        {terms.is_Bracket_close(5, u")"), true}, {terms.is_WhiteSpace(6), true}, {terms.is_String(4000000000u), false},
    });
    EXPECT_TRUE(GTokenizer::get_String(u"\"a b\"") == u"a b" && GTokenizer::get_String(u"\"a") == u"\"a");
    QString const listed = QStringLiteral("b,a, \t,b,,c");
    GTokenizer kept(listed, QStringLiteral(","), true, false);
    std::set<QString> seen{QStringLiteral("z")};
    kept.fill(seen);
    EXPECT_EQ(seen, (std::set<QString>{"z", "a", "b", "c", ",", " \t"}));
    kept.cursor = 3;
    kept.remove_White_Space_Token();  // and back to the start
    EXPECT_TRUE(kept.cursor == 0 && texts(kept) == Texts({"b", ",", "a", ",", ",", "b", ",", ",", "c"}));
    EXPECT_EQ(GTokenizer::removeWhitespace(QStringLiteral(" a\tb\r\nc \u3000")), QStringLiteral("abc\u3000"));
    // The delimiter sets: the combined ones are complete even during static initialisation.
    QString const chinese = GDelimiter::sDelimChinese.get();
    EXPECT_EQ(GDelimiter::sDelimAll.get(), GDelimiter::sDelimAscii.get() + chinese);
    EXPECT_EQ(GDelimiter::sDelimAll_Sentence.get(), GDelimiter::sDelimAscii_Sentence.get() + chinese);
    EXPECT_EQ(kAllSizeAtStaticInit, GDelimiter::sDelimAll->size());
    // The UTF-8 list holds the same characters in the same order.
    QString utf8;
    for (std::string_view const c : GDelimiter::arDelimChinese) {
        utf8 += QString::fromUtf8(c.data(), qsizetype(c.size()));
    }
    EXPECT_EQ(utf8, chinese);
}

