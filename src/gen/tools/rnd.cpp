#include <gen/tools/rnd.h>

#include <mutex>
#include <random>

namespace gen::rnd {

namespace {

std::mutex g_mutex;
std::mt19937_64 g_engine;  // default-constructed: seed 5489

unsigned long long draw(unsigned long long lo, unsigned long long hi)
{
    std::uniform_int_distribution<unsigned long long> distribution(lo, hi);
    std::lock_guard lock(g_mutex);
    return distribution(g_engine);
}

char draw_letter(bool upper)
{
    return static_cast<char>((upper ? 'A' : 'a') + draw(0, 25));
}

}  // namespace

void ini_seed()
{
    std::lock_guard lock(g_mutex);
    g_engine.seed(1000);
}

unsigned long long number(bool /*unused*/)
{
    std::lock_guard lock(g_mutex);
    return g_engine();
}

unsigned long long number_range(unsigned long long lo, unsigned long long hi, bool /*unused*/)
{
    return lo <= hi ? draw(lo, hi) : draw(hi, lo);
}

char letter()
{
    return draw_letter(true);
}

char letter_lowercase()
{
    return draw_letter(false);
}

char digit()
{
    return static_cast<char>('0' + draw(0, 9));
}

QString next_QString(unsigned int length, bool upper)
{
    QString text;
    text.reserve(static_cast<qsizetype>(length));
    for (unsigned int i = 0; i < length; ++i) {
        text += QChar::fromLatin1(draw_letter(upper));
    }
    return text;
}

std::string next_string(unsigned int length, bool upper, unsigned int groups)
{
    std::string text;
    for (unsigned int g = 0; g < groups; ++g) {
        if (g > 0) {
            text += ' ';
        }
        for (unsigned int i = 0; i < length; ++i) {
            text += draw_letter(upper);
        }
    }
    return text;
}

}  // namespace gen::rnd
