#pragma once
// Splits a text into tokens at delimiter characters and walks through them
// with a cursor, reading numbers, quoted strings, brackets and operators.
//
// The tokens are views into the tokenized text: the caller keeps that text
// alive and unchanged for as long as the tokenizer is used. Reads outside
// the tokens see an empty token; nothing throws.

#include <QString>
#include <QStringView>

#include <set>
#include <vector>

namespace gen {

class GTokenizer {
public:
    GTokenizer() = default;
    GTokenizer(QString const& text, QString const& delimiters, bool keepDelimiters, bool quotes);
    // The tokens would point into a destroyed temporary.
    GTokenizer(QString&& text, QString const& delimiters, bool keepDelimiters, bool quotes) = delete;

    // Replaces the tokens and sets the cursor to 0; returns the token count.
    // With `keepDelimiters` each delimiter is a one-character token; a run of
    // delimiters never yields empty tokens. With `quotes` a double quote
    // starts a token that runs to the next double quote, both included: it
    // ends a word already open, and without a closing quote it runs to the
    // end of the text.
    int buildToken(QString const& text, QString const& delimiters, bool keepDelimiters, bool quotes);
    int buildToken(QString&& text, QString const& delimiters, bool keepDelimiters, bool quotes) = delete;

    // The token at the cursor as a number; the cursor advances even when the
    // token is not one (then 0 and a debug line).
    int nextInt();
    double nextDouble();
    // One token back, never before the first.
    void putBack();
    bool is_Next_Token(QString const& s) const;

    // Tests on the token at cursor + n.
    bool is_Number(unsigned int n) const;
    bool is_RealNumber(unsigned int n) const;
    bool is_String(unsigned int n) const;
    bool is_WhiteSpace(unsigned int n) const;
    bool is_One_of_these_Chars(unsigned int n, QStringView chars) const;
    bool is_Operator(unsigned int n, QStringView chars) const;
    bool is_Bracket_open(unsigned int n, QStringView chars) const;
    bool is_Bracket_close(unsigned int n, QStringView chars) const;

    // The whole token is a base-10 integer within 32 bits (no surrounding
    // blanks).
    static bool is_Number(QStringView token);
    // The whole token is a double in the C locale (no surrounding blanks).
    static bool is_RealNumber(QStringView token);
    // At least two characters, the first and the last a double quote.
    static bool is_String(QStringView token);
    // Empty, or blanks and tabs only.
    static bool is_WhiteSpace(QStringView token);
    // Exactly one character, and that one occurs in `chars`.
    static bool is_One_of_these_Chars(QStringView token, QStringView chars);
    static bool is_Operator(QStringView token, QStringView chars);
    static bool is_Bracket_open(QStringView token, QStringView chars);
    static bool is_Bracket_close(QStringView token, QStringView chars);
    // The token without its enclosing double quotes when is_String, else
    // unchanged.
    static QStringView get_String(QStringView token);

    void fill(std::set<QString>& out) const;
    // Drops every is_WhiteSpace token and sets the cursor to 0.
    void remove_White_Space_Token();
    // `text` without blanks, tabs, line feeds and carriage returns.
    static QString removeWhitespace(QString const& text);

    // Debug lines behind `indent` blanks: the count and the cursor, then every
    // token (`all`) or those from the cursor on.
    void show(unsigned int indent, bool all) const;

    // In text order.
    std::vector<QStringView> tokens;
    // Index of the next token to read; may stand past the last token.
    int cursor = 0;

private:
    // The token at `index`, empty outside the tokens.
    QStringView token_at(qsizetype index) const;
    QStringView ahead(unsigned int n) const { return token_at(qsizetype(cursor) + n); }
    QStringView take();
};

}  // namespace gen
