#pragma once
// Fuzzy float compares for glm values, reporting the first differing
// component: EXPECT_TRUE(test::near(actual, expected, 1e-5f)).

#include <gtest/gtest.h>

#include <glm/glm.hpp>

#include <cmath>

namespace test {

template <glm::length_t N>
::testing::AssertionResult near(glm::vec<N, float> const& actual, glm::vec<N, float> const& expected,
                                float tolerance)
{
    for (glm::length_t i = 0; i < N; ++i) {
        if (!(std::fabs(actual[i] - expected[i]) <= tolerance)) {
            return ::testing::AssertionFailure() << "component " << i << ": " << actual[i] << " vs expected "
                                                 << expected[i];
        }
    }
    return ::testing::AssertionSuccess();
}

// Columns as glm indexes them.
inline ::testing::AssertionResult near(glm::mat4 const& actual, glm::mat4 const& expected, float tolerance)
{
    for (int c = 0; c < 4; ++c) {
        if (::testing::AssertionResult column = near(actual[c], expected[c], tolerance); !column) {
            return column << " in column " << c;
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace test
