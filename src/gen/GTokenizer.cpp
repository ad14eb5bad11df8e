#include <gen/GTokenizer.h>

#include <gen/log/pp.h>
#include <gen/tools/xprintf.h>

#include <algorithm>

namespace gen {

namespace {

constexpr QChar kQuote = u'"';

// Qt's number parsers skip surrounding white space; a token with such space
// is not "completely" a number.
bool is_trimmed(QStringView token)
{
    return token.trimmed().size() == token.size();
}

bool parse_int(QStringView token, int& value)
{
    bool ok = false;
    value = token.toInt(&ok, 10);
    return ok && is_trimmed(token);
}

bool parse_double(QStringView token, double& value)
{
    bool ok = false;
    value = token.toDouble(&ok);
    return ok && is_trimmed(token);
}

}  // namespace

GTokenizer::GTokenizer(QString const& text, QString const& delimiters, bool keepDelimiters, bool quotes)
{
    buildToken(text, delimiters, keepDelimiters, quotes);
}

int GTokenizer::buildToken(QString const& text, QString const& delimiters, bool keepDelimiters, bool quotes)
{
    tokens.clear();
    cursor = 0;
    QStringView const all(text);
    qsizetype wordStart = -1;  // -1: no word open
    auto closeWord = [&](qsizetype end) {
        if (wordStart >= 0) {
            tokens.push_back(all.sliced(wordStart, end - wordStart));
            wordStart = -1;
        }
    };

    qsizetype i = 0;
    while (i < all.size()) {
        QChar const c = all[i];
        if (quotes && c == kQuote) {
            closeWord(i);
            qsizetype const close = all.indexOf(kQuote, i + 1);
            qsizetype const end = close < 0 ? all.size() : close + 1;
            tokens.push_back(all.sliced(i, end - i));
            i = end;
            continue;
        }
        if (delimiters.contains(c)) {
            closeWord(i);
            if (keepDelimiters) {
                tokens.push_back(all.sliced(i, 1));
            }
        } else if (wordStart < 0) {
            wordStart = i;
        }
        ++i;
    }
    closeWord(all.size());
    return int(tokens.size());
}

QStringView GTokenizer::token_at(qsizetype index) const
{
    if (index < 0 || index >= qsizetype(tokens.size())) {
        return {};
    }
    return tokens[std::size_t(index)];
}

QStringView GTokenizer::take()
{
    QStringView const token = token_at(cursor);
    ++cursor;
    return token;
}

int GTokenizer::nextInt()
{
    QStringView const token = take();
    int value = 0;
    if (!parse_int(token, value)) {
        pp("XTokenizer::nextInt, token '$' is not a number", token);
        return 0;
    }
    return value;
}

double GTokenizer::nextDouble()
{
    QStringView const token = take();
    double value = 0.0;
    if (!parse_double(token, value)) {
        pp("XTokenizer::nextDouble, token '$' is not a 'real' number", token);
        return 0.0;
    }
    return value;
}

void GTokenizer::putBack()
{
    if (cursor > 0) {
        --cursor;
    }
}

bool GTokenizer::is_Next_Token(QString const& s) const
{
    return token_at(cursor) == s;
}

bool GTokenizer::is_Number(unsigned int n) const { return is_Number(ahead(n)); }
bool GTokenizer::is_RealNumber(unsigned int n) const { return is_RealNumber(ahead(n)); }
bool GTokenizer::is_String(unsigned int n) const { return is_String(ahead(n)); }
bool GTokenizer::is_WhiteSpace(unsigned int n) const { return is_WhiteSpace(ahead(n)); }

bool GTokenizer::is_One_of_these_Chars(unsigned int n, QStringView chars) const
{
    return is_One_of_these_Chars(ahead(n), chars);
}
bool GTokenizer::is_Operator(unsigned int n, QStringView chars) const { return is_Operator(ahead(n), chars); }
bool GTokenizer::is_Bracket_open(unsigned int n, QStringView chars) const { return is_Bracket_open(ahead(n), chars); }
bool GTokenizer::is_Bracket_close(unsigned int n, QStringView chars) const { return is_Bracket_close(ahead(n), chars); }

bool GTokenizer::is_Number(QStringView token)
{
    int value = 0;
    return parse_int(token, value);
}

bool GTokenizer::is_RealNumber(QStringView token)
{
    double value = 0.0;
    return parse_double(token, value);
}

bool GTokenizer::is_String(QStringView token)
{
    return token.size() >= 2 && token.front() == kQuote && token.back() == kQuote;
}

bool GTokenizer::is_WhiteSpace(QStringView token)
{
    return std::all_of(token.begin(), token.end(), [](QChar c) { return c == u' ' || c == u'\t'; });
}

bool GTokenizer::is_One_of_these_Chars(QStringView token, QStringView chars)
{
    return token.size() == 1 && chars.contains(token.front());
}

// Operators and brackets are single characters from the caller's set.
bool GTokenizer::is_Operator(QStringView token, QStringView chars) { return is_One_of_these_Chars(token, chars); }
bool GTokenizer::is_Bracket_open(QStringView token, QStringView chars) { return is_One_of_these_Chars(token, chars); }
bool GTokenizer::is_Bracket_close(QStringView token, QStringView chars) { return is_One_of_these_Chars(token, chars); }

QStringView GTokenizer::get_String(QStringView token)
{
    return is_String(token) ? token.sliced(1, token.size() - 2) : token;
}

void GTokenizer::fill(std::set<QString>& out) const
{
    for (QStringView token : tokens) {
        out.insert(token.toString());
    }
}

void GTokenizer::remove_White_Space_Token()
{
    std::erase_if(tokens, [](QStringView token) { return is_WhiteSpace(token); });
    cursor = 0;
}

QString GTokenizer::removeWhitespace(QString const& text)
{
    QString result = text;
    result.removeIf([](QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; });
    return result;
}

void GTokenizer::show(unsigned int indent, bool all) const
{
    if (!log::is_level_active(log::LEVEL_DEBUG)) {
        return;
    }
    pp(str::xprintF(indent, "GTokenizer::show, tokens:$ cursor:$", tokens.size(), cursor));
    for (qsizetype i = all ? 0 : std::max(cursor, 0); i < qsizetype(tokens.size()); ++i) {
        pp(str::xprintF(indent, "[$] '$'", i, tokens[std::size_t(i)]));
    }
}

}  // namespace gen
