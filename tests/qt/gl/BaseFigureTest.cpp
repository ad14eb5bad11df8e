#include <gen/qt/gl/BaseFigure.h>

#include <gen/log/GLog.h>

#include "support/Fuzzy.h"
#include "support/RecordingSink.h"

#include <gtest/gtest.h>

#include <glm/ext/matrix_transform.hpp>
#include <glm/vec4.hpp>

#include <functional>
#include <string>
#include <vector>

using gen::qt::gl::BaseFigure;

namespace {

struct BitAccess {
    char const* name;
    unsigned int mask;
    std::function<void(BaseFigure&, bool)> set;
    std::function<bool(BaseFigure const&)> get;
};

std::vector<BitAccess> bit_accessors()
{
    return {
        {"VALID", BaseFigure::VALID, &BaseFigure::set_valid, &BaseFigure::is_valid},
        {"VISIBLE", BaseFigure::VISIBLE, &BaseFigure::set_visible, &BaseFigure::is_visible},
        {"HAS_GPU", BaseFigure::HAS_GPU, &BaseFigure::set_has_GPU, &BaseFigure::has_GPU},
        {"ROLL_OVER", BaseFigure::ROLL_OVER, &BaseFigure::set_rollover, &BaseFigure::is_rollover},
        {"CLONE", BaseFigure::CLONE, &BaseFigure::set_clone, &BaseFigure::is_clone},
    };
}

glm::vec3 apply(glm::mat4 const& m, glm::vec3 const& v, float w = 0.0f)
{
    return glm::vec3(m * glm::vec4(v, w));
}

}  // namespace

TEST(BaseFigure, EachSetterChangesOnlyItsOwnBit)
{
    // From all bits clear and from all bits set (including the unused bit 1).
    for (unsigned int const start : {0u, 0x7Fu}) {
        for (BitAccess const& bit : bit_accessors()) {
            SCOPED_TRACE(std::string(bit.name) + " from " + std::to_string(start));
            BaseFigure f;
            f.state.set(start);
            bit.set(f, true);
            EXPECT_EQ(f.state.get(), start | bit.mask);
            EXPECT_TRUE(bit.get(f));
            bit.set(f, true);  // setting twice keeps it set
            EXPECT_EQ(f.state.get(), start | bit.mask);
            bit.set(f, false);
            EXPECT_EQ(f.state.get(), start & ~bit.mask);
            EXPECT_FALSE(bit.get(f));
            // The query looks at its own bit only.
            f.state.set(~bit.mask);
            EXPECT_FALSE(bit.get(f));
        }
    }
}

TEST(BaseFigure, ZeroClearsEveryBit)
{
    BaseFigure f;
    f.set_valid(true);
    f.set_clone(true);
    EXPECT_FALSE(f.is_zero());
    f.set_zero();
    EXPECT_TRUE(f.is_zero());
    EXPECT_EQ(f.state.get(), 0u);
}

TEST(BaseFigure, StateTextListsBitsInFixedOrder)
{
    BaseFigure f;
    f.set_visible(true);
    f.set_valid(true);
    EXPECT_EQ(f.state_to_string(), "VALID | VISIBLE | ");
    f.set_has_GPU(true);
    EXPECT_EQ(f.state_to_string(), "VALID | VISIBLE | HAS_GPU | ");

    // CLONE and SELECTED come before ROLL_OVER although their bits are higher.
    gen::GBits<unsigned int> const all(BaseFigure::VALID | BaseFigure::VISIBLE | BaseFigure::HAS_GPU |
                                       BaseFigure::ROLL_OVER | BaseFigure::SELECTED | BaseFigure::CLONE);
    EXPECT_EQ(BaseFigure::state_to_string(all),
              "VALID | VISIBLE | HAS_GPU | CLONE | SELECTED | ROLL_OVER | ");
    EXPECT_EQ(BaseFigure::state_to_string(gen::GBits<unsigned int>(BaseFigure::ROLL_OVER)), "ROLL_OVER | ");
    EXPECT_EQ(BaseFigure::state_to_string(gen::GBits<unsigned int>(BaseFigure::SELECTED)), "SELECTED | ");
    EXPECT_EQ(BaseFigure::state_to_string(gen::GBits<unsigned int>()), "ZERO");
}

TEST(BaseFigure, AbsoluteRotationIsQuarterTurnAboutYAtZero)
{
    BaseFigure f;
    f.matModel = glm::translate(glm::mat4(1.0f), glm::vec3(7.0f, 8.0f, 9.0f));
    f.set_rotation(0.0, 0.0);
    // The previous matrix is replaced, not extended.
    EXPECT_TRUE(test::near(apply(f.matModel, glm::vec3(0.0f), 1.0f), glm::vec3(0.0f), 1e-6f));
    EXPECT_TRUE(test::near(apply(f.matModel, glm::vec3(1, 0, 0)), glm::vec3(0, 0, -1), 1e-6f));
    EXPECT_TRUE(test::near(apply(f.matModel, glm::vec3(0, 0, 1)), glm::vec3(1, 0, 0), 1e-6f));
    EXPECT_TRUE(test::near(apply(f.matModel, glm::vec3(0, 1, 0)), glm::vec3(0, 1, 0), 1e-6f));
}

TEST(BaseFigure, AbsoluteRotationTurnsAboutYFirstThenAboutX)
{
    BaseFigure f;
    // Ry(90 - 90) = identity, then Rx(90): y goes to z.
    f.set_rotation(90.0, 90.0);
    EXPECT_TRUE(test::near(apply(f.matModel, glm::vec3(0, 1, 0)), glm::vec3(0, 0, 1), 1e-6f));
    EXPECT_TRUE(test::near(apply(f.matModel, glm::vec3(1, 0, 0)), glm::vec3(1, 0, 0), 1e-6f));

    // Ry(90) takes x to -z, then Rx(90) takes -z to +y.
    f.set_rotation(0.0, 90.0);
    EXPECT_TRUE(test::near(apply(f.matModel, glm::vec3(1, 0, 0)), glm::vec3(0, 1, 0), 1e-6f));

    glm::mat4 const expected = glm::rotate(glm::mat4(1.0f), glm::radians(20.0f), glm::vec3(1, 0, 0)) *
                               glm::rotate(glm::mat4(1.0f), glm::radians(90.0f - 30.0f), glm::vec3(0, 1, 0));
    f.set_rotation(30.0, 20.0);
    EXPECT_TRUE(test::near(f.matModel, expected, 1e-6f));
}

TEST(BaseFigure, AbsoluteRotationWritesTraceLine)
{
    test::LogLevelGuard level(gen::log::LEVEL_TRACE);
    test::RecordingSink sink;
    BaseFigure f;
    f.set_rotation(30.0, -12.5);
    EXPECT_TRUE(sink.contains("BaseFigure::set_rotation, xDegrees:30.000000, yDegrees:-12.500000"));
}

TEST(BaseFigure, AxisRotationActsInWorldCoordinates)
{
    BaseFigure f;
    f.matModel = glm::translate(glm::mat4(1.0f), glm::vec3(1.0f, 0.0f, 0.0f));
    f.set_rotation(90.0f, glm::vec3(0.0f, 1.0f, 0.0f));
    // R x M: the translated origin is turned too (M x R would leave it at (1, 0, 0)).
    EXPECT_TRUE(test::near(apply(f.matModel, glm::vec3(0.0f), 1.0f), glm::vec3(0, 0, -1), 1e-6f));
}

TEST(BaseFigure, AxisRotationsAddUpAndIgnoreAxisLength)
{
    BaseFigure twice;
    twice.set_rotation(30.0, 20.0);
    BaseFigure once = twice;
    BaseFigure scaled = twice;
    twice.set_rotation(90.0f, glm::vec3(0, 1, 0));
    twice.set_rotation(90.0f, glm::vec3(0, 1, 0));
    once.set_rotation(180.0f, glm::vec3(0, 1, 0));
    scaled.set_rotation(180.0f, glm::vec3(0, 3, 0));
    EXPECT_TRUE(test::near(twice.matModel, once.matModel, 1e-5f));
    EXPECT_TRUE(test::near(scaled.matModel, once.matModel, 1e-6f));
    EXPECT_FALSE(test::near(once.matModel, BaseFigure().matModel, 1e-3f));
}

TEST(BaseFigure, AxisRotationWithoutDirectionKeepsMatrixAndWarns)
{
    test::RecordingSink sink;
    BaseFigure f;
    f.set_rotation(10.0, 20.0);
    glm::mat4 const before = f.matModel;
    f.set_rotation(45.0f, glm::vec3(0.0f));
    EXPECT_EQ(f.matModel, before);
    EXPECT_TRUE(sink.contains("BaseFigure::set_rotation, axis has no direction"));
}
