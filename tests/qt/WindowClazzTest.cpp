#include <gen/qt/WindowClazz.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>

TEST(WindowClazzTest, NumbersPerClassStartAtZeroAndFreedOnesAreReusedLowestFirst)
{
    using A = gen::qt::WindowClazz<"CTagA">;
    std::map<int, std::unique_ptr<A>> live;
    // '+': a new tag, expected to get `id`; '-': tag `id` goes.
    for (auto [op, id] : {std::pair{'+', 0}, {'+', 1}, {'+', 2}, {'-', 2}, {'-', 0}, {'+', 0}, {'+', 2}, {'+', 3}}) {
        SCOPED_TRACE(testing::Message() << op << id);
        if (op == '-') {
            live.erase(id);
        } else {
            auto tag = std::make_unique<A>();
            EXPECT_EQ(tag->get_id(), id);
            live[tag->get_id()] = std::move(tag);
        }
    }
    EXPECT_EQ(live.at(3)->get_complete_name(), "CTagA_3");
    EXPECT_EQ(gen::qt::WindowClazz<"CTagB">().get_complete_name(), "CTagB_0");  // its own numbers
}
