#pragma once
// The command-line tokenizer: cuts an argument line into words (runs of
// non-blank characters) and quotes (the text between two double quotes).
// A backslash is an ordinary character. Inside a quote, two double quotes in
// a row stand for one literal double quote: that is how GArgv::set_arguments
// passes an argument holding a double quote.

#include <QString>
#include <QStringView>

#include <vector>

namespace gen::store {

struct Token {
    enum Type { WORD = 0, QUOTE = 1, END = 2 };

    // A view into the tokenized source; a QUOTE's text excludes the outer
    // quotes but keeps any doubled quote as written.
    QStringView text;
    Type type = END;

    // Every token list ends with one END. An unterminated quote gives an
    // empty list (and an ERROR line). The source must outlive the tokens,
    // hence no temporaries.
    static std::vector<Token> token_from_source(QString const& source);
    static std::vector<Token> token_from_source(QString&&) = delete;

    // Blank for the tokenizer: every character QChar::isSpace reports
    // (9 to 13, 32, 0x85, 0xA0 and the Unicode separators).
    static bool is_blank(QChar c) { return c.isSpace(); }

    // "WORD", "QUOTE" or "END".
    static char const* type_name(Type type);

    // The token's value: its text with each doubled quote of a QUOTE
    // collapsed into one.
    QString value() const;

    // "<<<text>>> TYPE".
    QString to_string() const;
};

}  // namespace gen::store
