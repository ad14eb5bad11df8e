#include <gen/tools/rnd.h>

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <set>

namespace rnd = gen::rnd;

TEST(Rnd, SeededRunsRepeatAndValuesStayInTheirRangesReachingBothEnds)
{
    rnd::ini_seed();
    // The engine is the standard MT19937-64 seeded with 1000.
    EXPECT_EQ(rnd::number(true), std::mt19937_64(1000)());
    auto run = [] {
        return rnd::next_string(8, true, 2) + rnd::letter() + rnd::letter_lowercase() + rnd::digit() +
               rnd::next_QString(5, false).toStdString() + std::to_string(rnd::number_range(10, 1000000, true));
    };
    rnd::ini_seed();
    std::string const first = run();
    rnd::ini_seed();
    EXPECT_EQ(run(), first);
    EXPECT_NE(run(), first);
    std::set<char> chars;
    std::set<unsigned long long> ranged, reversed;
    for (int i = 0; i < 2000; ++i) {
        chars.insert({rnd::letter(), rnd::letter_lowercase(), rnd::digit()});
        ranged.insert(rnd::number_range(3, 6, true));
        reversed.insert(rnd::number_range(10, 7, false));  // reversed bounds give the same interval
    }
    EXPECT_EQ(std::string(chars.begin(), chars.end()),
              "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(ranged, (std::set<unsigned long long>{3, 4, 5, 6}));
    EXPECT_EQ(reversed, (std::set<unsigned long long>{7, 8, 9, 10}));
    EXPECT_EQ(rnd::number_range(5, 5, true), 5u);
    rnd::number_range(0, ULLONG_MAX, true);  // the full 64-bit range does not overflow
    // Strings have their length, case and space-separated groups.
    std::string const grouped = rnd::next_string(3, false, 3) + rnd::next_QString(2, true).toStdString();
    EXPECT_EQ(grouped.size(), 13u);
    EXPECT_EQ(grouped.find_first_not_of("abcdefghijklmnopqrstuvwxyz "), 11u) << grouped;
    EXPECT_EQ(grouped.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 11), std::string::npos) << grouped;
    EXPECT_EQ(grouped.substr(3, 1) + grouped.substr(7, 1), "  ");
}
