#pragma once
// Random numbers from one process-wide 64-bit Mersenne Twister (the standard
// MT19937-64). It starts with the standard default seed 5489; ini_seed()
// makes runs reproducible. Calls are serialised, so any thread may draw.
// Letters and digits are returned as a single `char`.
//
// The bool parameters of number() and number_range() are kept for callers
// that pass them; they have no effect.

#include <QString>

#include <string>

namespace gen::rnd {

// Reseeds the engine with the fixed seed 1000.
void ini_seed();

// The next raw 64-bit output of the engine.
unsigned long long number(bool unused = true);
// Uniform in [lo, hi]; the bounds may be given in either order.
unsigned long long number_range(unsigned long long lo, unsigned long long hi, bool unused = true);

char letter();            // 'A' to 'Z'
char letter_lowercase();  // 'a' to 'z'
char digit();             // '0' to '9'

// `length` letters, upper-case when `upper` is true, else lower-case.
QString next_QString(unsigned int length, bool upper);
// `groups` runs of `length` letters separated by single blanks.
std::string next_string(unsigned int length, bool upper, unsigned int groups);

}  // namespace gen::rnd
