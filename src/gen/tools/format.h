#pragma once
// Companions of the `$` formatter: printf-style text, padded numbers, byte
// sizes and hexadecimal dumps. All are pure and thread-safe.

#include <gen/tools/xprintf.h>

#include <QString>

#include <sstream>
#include <string>

namespace gen::str {

// printf-style formatting into a bounded buffer of 4096 characters: longer
// results are cut there. A null format gives "<<<sprintF,nullpointer>>>", a
// format of 4096 characters or more the empty string.
std::string sprintF(char const* format, ...) __attribute__((format(printf, 1, 2)));

// `value` in decimal, zero-filled on the left to at least `width` digits.
std::string format_fill_zero(unsigned int width, long long value);
std::string format_fill_zero_microseconds(unsigned long long value);
std::string format_fill_zero_milliseconds(unsigned long long value);

// `value` in decimal behind as many `fill` characters as make `width`;
// a longer text is never cut.
std::string format_fill(char fill, unsigned int width, long long value);

// Byte counts in decimal units (KB = 1000) and in powers of 1024.
std::string format_bytes(double bytes);
std::string format_bytes_1024(double bytes);

std::string to_utf8(QString const& text);

// "[count] = {..}" with the first `head` and the last `tail` bytes as "%02X"
// and " .. " in place of the rest; every byte when head + tail covers them.
std::string format_array_as_hex(unsigned char const* data, unsigned int count,
                                unsigned long long head, unsigned long long tail);

// Erases the first occurrence of `part`; false (and no change) when absent.
bool remove_part(std::string& text, std::string const& part);

// Drops the last `n` characters of the stream's text when it has that many.
void remove_last_chars(std::stringstream& out, unsigned int n);

// Number of characters (bytes) written to the stream so far.
unsigned int count_chars(std::stringstream& out);

}  // namespace gen::str
