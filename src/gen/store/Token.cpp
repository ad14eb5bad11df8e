#include <gen/store/Token.h>

#include <gen/log/pp.h>
#include <gen/tools/xprintf.h>

namespace gen::store {

namespace {
constexpr QChar kQuote = u'"';
}

std::vector<Token> Token::token_from_source(QString const& source)
{
    enum class State { BETWEEN, IN_WORD, IN_QUOTE };

    QStringView const all(source);
    std::vector<Token> tokens;
    State state = State::BETWEEN;
    qsizetype start = 0;
    for (qsizetype i = 0; i < all.size(); ++i) {
        QChar const c = all[i];
        switch (state) {
        case State::BETWEEN:
            if (c == kQuote) {
                state = State::IN_QUOTE;
                start = i + 1;
            } else if (!is_blank(c)) {
                state = State::IN_WORD;
                start = i;
            }
            break;
        case State::IN_WORD:
            if (is_blank(c)) {
                tokens.push_back({all.sliced(start, i - start), WORD});
                state = State::BETWEEN;
            }
            break;
        case State::IN_QUOTE:
            if (c == kQuote) {
                if (i + 1 < all.size() && all[i + 1] == kQuote) {
                    ++i;  // a doubled quote stays inside the quote
                } else {
                    tokens.push_back({all.sliced(start, i - start), QUOTE});
                    state = State::BETWEEN;
                }
            }
            break;
        }
    }
    if (state == State::IN_QUOTE) {
        gen::pp_error("GArgv::parse, unterminated quote in argument string");
        return {};
    }
    if (state == State::IN_WORD) {
        tokens.push_back({all.sliced(start), WORD});
    }
    tokens.push_back({QStringView(), END});
    return tokens;
}

char const* Token::type_name(Type type)
{
    switch (type) {
    case WORD:
        return "WORD";
    case QUOTE:
        return "QUOTE";
    case END:
        return "END";
    }
    return "";
}

QString Token::value() const
{
    QString out = text.toString();
    if (type == QUOTE) {
        out.replace(QStringLiteral("\"\""), QStringLiteral("\""));
    }
    return out;
}

QString Token::to_string() const
{
    return QString::fromStdString(gen::str::xprintF(0, "<<<$>>> $", text, type_name(type)));
}

}  // namespace gen::store
