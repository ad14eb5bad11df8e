#include <gen/store/GArgv.h>

#include <gen/log/pp.h>
#include <gen/store/Token.h>
#include <gen/tools/xprintf.h>

#include <QStringList>

#include <algorithm>

namespace gen::store {

namespace {

// The form of one argument in the source line that the tokenizer reads back
// as exactly that argument.
QString quote_argument(QString const& argument)
{
    bool const needsQuotes = argument.isEmpty() || argument.startsWith(u'"') ||
                             std::any_of(argument.cbegin(), argument.cend(), Token::is_blank);
    if (!needsQuotes) {
        return argument;  // inside a word a double quote is an ordinary character
    }
    QString quoted = argument;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

bool begins_with_dash(QStringView text)
{
    return text.startsWith(u'-');
}

}  // namespace

void GArgv::set_arguments(int argc, char** argv)
{
    QStringList parts;
    for (int i = 1; argv != nullptr && i < argc; ++i) {
        if (argv[i] != nullptr) {
            parts.append(quote_argument(QString::fromUtf8(argv[i])));
        }
    }
    sSource = parts.join(u' ');
}

bool GArgv::parse()
{
    std::vector<Token> const tokens = Token::token_from_source(sSource);
    for (std::size_t i = 0; i < tokens.size() && tokens[i].type != Token::END; ++i) {
        Token const& token = tokens[i];
        if (token.type != Token::WORD) {
            gen::pp_error("GArgv::parse, unexpected token type");
            return false;
        }
        if (!begins_with_dash(token.text)) {
            gen::pp_error("GArgv::parse, expected key, got '$'", token.text);
            return false;
        }
        qsizetype dashes = 0;
        while (dashes < token.text.size() && token.text[dashes] == u'-') {
            ++dashes;
        }
        QString const key = token.text.sliced(dashes).toString();
        if (key.isEmpty()) {
            gen::pp_error("GArgv::parse, empty key");
            return false;
        }
        // An unterminated list has no END, so the next token may be missing.
        Token const* next = i + 1 < tokens.size() ? &tokens[i + 1] : nullptr;
        if (next != nullptr && next->type != Token::END && !begins_with_dash(next->text)) {
            set(key, next->value());
            ++i;
        } else {
            set_flag(key, true);
        }
    }
    for (QString const& key : mustHaveKeys) {
        if (!contains(key)) {
            gen::pp_error("'$' missing", key);
            return false;
        }
    }
    return true;
}

void GArgv::show(unsigned int indent) const
{
    if (!gen::log::is_level_active(gen::log::LEVEL_DEBUG)) {
        return;
    }
    gen::pp(gen::str::xprintF(indent, "GArgv, arguments:$", size()));
    for (auto it = values().cbegin(); it != values().cend(); ++it) {
        gen::pp(gen::str::xprintF(indent, "$='$'", it.key(), it.value()));
    }
}

}  // namespace gen::store
