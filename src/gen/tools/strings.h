#pragma once
// Byte-wise helpers on UTF-8 std::string used for display.

#include <string>
#include <vector>

namespace gen::str {

// Decimal value grouped in threes with "." ("1.234.567", "-1.234").
std::string format_1000(long long value);
// The same grouping applied to a text of digits.
std::string format_str_1000(std::string const& digits);

std::string to_lower(std::string const& text);
bool contains(std::string const& text, std::string const& part);
bool contains(std::string const& text, char c);
std::string trim(std::string const& text);
// Every tab becomes four blanks.
std::string replace_tab(std::string const& text);
// Lines split at '\n', each without one trailing '\r'; a negative `maxLines`
// means no limit, otherwise at most `maxLines` lines are returned.
std::vector<std::string> split_lines(std::string const& text, int maxLines = -1);
// printf "%2.<decimals>f"; with `pointDecimal` every "," becomes ".".
std::string format_real(double value, unsigned int decimals, bool pointDecimal);

}  // namespace gen::str
