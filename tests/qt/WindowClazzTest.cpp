#include <gen/qt/WindowClazz.h>

#include <gtest/gtest.h>

#include <memory>

TEST(WindowClazzTest, NumbersPerClassStartAtZeroAndAreReusedLowestFirst)
{
    using A = gen::qt::WindowClazz<"CTagA">;
    using B = gen::qt::WindowClazz<"CTagB">;
    auto a0 = std::make_unique<A>();
    auto a1 = std::make_unique<A>();
    auto a2 = std::make_unique<A>();
    B b0;
    EXPECT_EQ(a0->get_complete_name(), "CTagA_0");
    EXPECT_EQ(a2->get_complete_name(), "CTagA_2");
    EXPECT_EQ(b0.get_complete_name(), "CTagB_0");
    a2.reset();
    a0.reset();
    EXPECT_EQ(A().get_id(), 0);  // lowest freed first, and freed again at once
    A again0;
    A again2;
    A fresh;
    EXPECT_EQ(again0.get_id(), 0);
    EXPECT_EQ(again2.get_id(), 2);
    EXPECT_EQ(fresh.get_id(), 3);
}
