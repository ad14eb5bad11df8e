#pragma once
// The standard delimiter sets for GTokenizer.
//
// Every set may be read at any time, also from static initialisers of other
// translation units: the members are constants (constant-initialised), and
// the QString behind a set is built on its first use.

#include <QString>

#include <array>
#include <string_view>

namespace gen {

namespace detail {
// One function-local QString per set, in GDelimiter.cpp.
QString const& delim_ascii();
QString const& delim_ascii_sentence();
QString const& delim_chinese();
QString const& delim_all();
QString const& delim_all_sentence();
}  // namespace detail

// A delimiter set usable wherever a `QString const&` is expected; `->` and
// get() reach the QString itself.
class DelimiterSet {
public:
    using Source = QString const& (*)();

    constexpr explicit DelimiterSet(Source source) : source(source) {}

    QString const& get() const { return source(); }
    operator QString const&() const { return source(); }
    QString const* operator->() const { return &source(); }

private:
    Source source;
};

class GDelimiter {
public:
    // Blank, tab and 31 ASCII punctuation characters (the slash twice).
    static constexpr DelimiterSet sDelimAscii{&detail::delim_ascii};
    // Sentence ends: ".!?".
    static constexpr DelimiterSet sDelimAscii_Sentence{&detail::delim_ascii_sentence};
    // Fourteen full-width / CJK punctuation characters and U+3000.
    static constexpr DelimiterSet sDelimChinese{&detail::delim_chinese};
    // sDelimAscii followed by sDelimChinese.
    static constexpr DelimiterSet sDelimAll{&detail::delim_all};
    // sDelimAscii_Sentence followed by sDelimChinese.
    static constexpr DelimiterSet sDelimAll_Sentence{&detail::delim_all_sentence};

    // The characters of sDelimChinese in the same order, each as UTF-8 bytes
    // (spelled as escapes so the encoding does not depend on the compiler's
    // source or execution character set).
    static constexpr std::array<std::string_view, 15> arDelimChinese{
        "\xE3\x80\x82",  // U+3002
        "\xEF\xBC\x81",  // U+FF01
        "\xEF\xBC\x8E",  // U+FF0E
        "\xEF\xBC\x8C",  // U+FF0C
        "\xEF\xBC\x9F",  // U+FF1F
        "\xEF\xBC\x9A",  // U+FF1A
        "\xE2\x80\xA6",  // U+2026
        "\xEF\xBC\x88",  // U+FF08
        "\xEF\xBC\x89",  // U+FF09
        "\xE9\xAB\x98",  // U+9AD8
        "\xE2\x80\x9D",  // U+201D
        "\xE3\x80\x8A",  // U+300A
        "\xE3\x80\x8B",  // U+300B
        "\xE2\x80\x9C",  // U+201C
        "\xE3\x80\x80",  // U+3000
    };
};

}  // namespace gen
