#include <gen/GDelimiter.h>

namespace gen::detail {

// Function-local statics: built once on first use, thread-safe, and
// independent of the order in which translation units initialise.

QString const& delim_ascii()
{
    static QString const set = QStringLiteral(" \t{,;:./}()[]@\\+-*/%^#!?<>|&~=\"'`");
    return set;
}

QString const& delim_ascii_sentence()
{
    static QString const set = QStringLiteral(".!?");
    return set;
}

QString const& delim_chinese()
{
    // UTF-16 escapes, so the set does not depend on the source encoding.
    static QString const set = QStringLiteral("\u3002\uFF01\uFF0E\uFF0C\uFF1F\uFF1A\u2026\uFF08\uFF09"
                                              "\u9AD8\u201D\u300A\u300B\u201C\u3000");
    return set;
}

QString const& delim_all()
{
    static QString const set = delim_ascii() + delim_chinese();
    return set;
}

QString const& delim_all_sentence()
{
    static QString const set = delim_ascii_sentence() + delim_chinese();
    return set;
}

}  // namespace gen::detail
