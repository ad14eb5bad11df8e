#include <gen/tools/rnd.h>

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <set>
#include <string>

namespace rnd = gen::rnd;

TEST(Rnd, SeedMakesRunsReproducible)
{
    rnd::ini_seed();
    // The engine is the standard MT19937-64 seeded with 1000.
    std::mt19937_64 reference(1000);
    EXPECT_EQ(rnd::number(true), reference());
    EXPECT_EQ(rnd::number(false), reference());

    auto run = [] {
        std::string out = rnd::next_string(8, true, 2);
        out += rnd::letter();
        out += rnd::letter_lowercase();
        out += rnd::digit();
        out += rnd::next_QString(5, false).toStdString();
        out += std::to_string(rnd::number_range(10, 1000000, true));
        return out;
    };
    rnd::ini_seed();
    std::string const first = run();
    rnd::ini_seed();
    EXPECT_EQ(run(), first);
    EXPECT_NE(run(), first);
}

TEST(Rnd, CharactersStayInTheirRanges)
{
    rnd::ini_seed();
    std::set<char> upper;
    std::set<char> lower;
    std::set<char> digits;
    for (int i = 0; i < 2000; ++i) {
        char const u = rnd::letter();
        char const l = rnd::letter_lowercase();
        char const d = rnd::digit();
        ASSERT_TRUE(u >= 'A' && u <= 'Z') << u;
        ASSERT_TRUE(l >= 'a' && l <= 'z') << l;
        ASSERT_TRUE(d >= '0' && d <= '9') << d;
        upper.insert(u);
        lower.insert(l);
        digits.insert(d);
    }
    // Every value is reachable, the ends included.
    EXPECT_EQ(upper.size(), 26u);
    EXPECT_EQ(lower.size(), 26u);
    EXPECT_EQ(digits.size(), 10u);
}

TEST(Rnd, Ranges)
{
    rnd::ini_seed();
    EXPECT_EQ(rnd::number_range(5, 5, true), 5u);
    std::set<unsigned long long> seen;
    for (int i = 0; i < 200; ++i) {
        unsigned long long const n = rnd::number_range(3, 6, true);
        ASSERT_GE(n, 3u);
        ASSERT_LE(n, 6u);
        seen.insert(n);
        // Reversed bounds give the same interval.
        unsigned long long const r = rnd::number_range(10, 7, false);
        ASSERT_GE(r, 7u);
        ASSERT_LE(r, 10u);
    }
    EXPECT_EQ(seen.size(), 4u);
    // The full 64-bit range does not overflow.
    rnd::number_range(0, ULLONG_MAX, true);
}

TEST(Rnd, Strings)
{
    rnd::ini_seed();
    std::string const name = rnd::next_string(8, true, 1);
    ASSERT_EQ(name.size(), 8u);
    for (char c : name) {
        EXPECT_TRUE(c >= 'A' && c <= 'Z') << name;
    }

    std::string const groups = rnd::next_string(3, false, 3);
    ASSERT_EQ(groups.size(), 11u);
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (i == 3 || i == 7) {
            EXPECT_EQ(groups[i], ' ') << groups;
        } else {
            EXPECT_TRUE(groups[i] >= 'a' && groups[i] <= 'z') << groups;
        }
    }
    EXPECT_EQ(rnd::next_string(8, true, 0), "");

    QString const q = rnd::next_QString(6, true);
    ASSERT_EQ(q.size(), 6);
    for (QChar c : q) {
        EXPECT_TRUE(c >= QLatin1Char('A') && c <= QLatin1Char('Z')) << q.toStdString();
    }
    EXPECT_TRUE(rnd::next_QString(0, false).isEmpty());
}
