#include <gen/Listener.h>

#include "support/RecordingSink.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <memory>

using gen::FIRE_EVENT;
using gen::Listener;
using gen::NO_PAYLOAD;

TEST(Listener, AppendSetAndGeneratedNames)
{
    Listener<int> listener;
    int sum = 0;
    std::string const a = (listener += [&](int const& v) { sum += v; });
    std::string const b = (listener += [&](int const& v) { sum += 10 * v; });
    EXPECT_EQ(a.size(), 8u);
    EXPECT_NE(a, b);
    for (char c : a) {
        EXPECT_TRUE(c >= 'A' && c <= 'Z') << a;
    }
    EXPECT_EQ(listener.append("named", [&]() { sum += 100; }), "named");
    EXPECT_EQ(listener.size(), 3u);
    listener.fire_event(2);
    EXPECT_EQ(sum, 2 + 20 + 100);

    // operator= leaves exactly one entry.
    sum = 0;
    listener = [&](int const& v) { sum += 1000 * v; };
    EXPECT_EQ(listener.size(), 1u);
    listener.fire_event(1);
    EXPECT_EQ(sum, 1000);

    EXPECT_EQ(listener.set("only", [&]() { sum = -1; }), "only");
    EXPECT_EQ(listener.size(), 1u);
    listener.fire_event(5);
    EXPECT_EQ(sum, -1);
}

TEST(Listener, AppendUnderAnExistingNameReplacesAndLogs)
{
    test::LogLevelGuard level(gen::log::LEVEL_DEBUG);
    test::RecordingSink sink;
    Listener<QString> listener;
    int oldCalls = 0;
    int newCalls = 0;
    listener.append("key", [&](QString const&) { ++oldCalls; });
    listener.append("key", [&](QString const&) { ++newCalls; });
    listener.fire_event(QStringLiteral("x"));
    EXPECT_EQ(oldCalls, 0);
    EXPECT_EQ(newCalls, 1);
    EXPECT_EQ(listener.size(), 1u);
    EXPECT_TRUE(sink.contains("Listener::append 'key' already appended!"));

    // A name returned by += can be used to replace that entry.
    std::string const generated = (listener += [&](QString const&) { oldCalls += 100; });
    listener.append(generated, [&](QString const&) { newCalls += 100; });
    listener.fire_event(QString());
    EXPECT_EQ(oldCalls, 0);
    EXPECT_EQ(newCalls, 1 + 1 + 100);
}

TEST(Listener, EnableAllAndCallbacksWithoutArguments)
{
    Listener<int> listener;
    int withPayload = 0;
    int withoutPayload = 0;
    listener += [&](int const& v) { withPayload += v; };
    listener += [&]() { ++withoutPayload; };
    listener.enable_all_listener(false);
    listener.fire_event(3);
    EXPECT_EQ(withPayload, 0);
    EXPECT_EQ(withoutPayload, 0);
    listener.enable_all_listener(true);
    listener.fire_event(3);
    listener.fire_event(4);
    EXPECT_EQ(withPayload, 7);
    EXPECT_EQ(withoutPayload, 2);

    Listener<NO_PAYLOAD> plain;
    int fired = 0;
    plain += [&]() { ++fired; };
    plain.fire_event();
    EXPECT_EQ(fired, 1);
}

TEST(Listener, QueuedRunsFromTheEventLoopWithThePayloadAsFired)
{
    Listener<std::string> listener;
    std::vector<std::string> seen;
    listener += [&](std::string const& text) { seen.push_back(text); };
    std::string payload = "first";
    listener.fire_event(payload, FIRE_EVENT::QUEUED);
    payload = "changed";
    EXPECT_TRUE(seen.empty());
    QCoreApplication::processEvents();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], "first");
}

TEST(Listener, QueuedWorkOfADestroyedListenerIsDropped)
{
    int calls = 0;
    {
        auto listener = std::make_unique<Listener<int>>();
        *listener += [&](int const&) { ++calls; };
        listener->fire_event(1, FIRE_EVENT::QUEUED);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 0);
}

TEST(Listener, CallbackMayResetOrDestroyItsListener)
{
    auto listener = std::make_unique<Listener<int>>();
    int calls = 0;
    *listener += [&](int const&) {
        ++calls;
        listener.reset();  // e.g. a window closing itself from a click handler
    };
    *listener += [&](int const&) { ++calls; };
    listener->fire_event(1);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(listener, nullptr);

    Listener<int> self;
    int runs = 0;
    self += [&](int const&) {
        ++runs;
        self.set("replacement", [&]() { runs += 10; });
    };
    self.fire_event(0);
    EXPECT_EQ(runs, 1);
    self.fire_event(0);
    EXPECT_EQ(runs, 11);
}

TEST(Listener, DestructionLogsOnlyNamedListeners)
{
    test::LogLevelGuard level(gen::log::LEVEL_DEBUG);
    test::RecordingSink sink;
    { Listener<int> anonymous; }
    EXPECT_TRUE(sink.lines().empty());
    { Listener<int> named("lisIniGL"); }
    ASSERT_EQ(sink.texts().size(), 1u);
    EXPECT_EQ(sink.texts()[0], "Listener::~Listener@lisIniGL");
}
