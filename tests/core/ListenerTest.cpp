#include <gen/Listener.h>

#include "support/LogCapture.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using gen::FIRE_EVENT;
using gen::Listener;

TEST(Listener, AppendReplaceSetEnableAndNamedDestruction)
{
    test::LogCapture log(gen::log::LEVEL_DEBUG);
    int sum = 0;
    {
        Listener<int> listener("lisIniGL");
        std::string const a = (listener += [&](int const& v) { sum += v; });
        EXPECT_TRUE(a.size() == 8 && a.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") == std::string::npos) << a;
        listener += [&]() { sum += 10; };
        EXPECT_EQ(listener.append("named", [&](int const& v) { sum += 100 * v; }), "named");
        listener.fire_event(2);
        EXPECT_EQ(sum, 2 + 10 + 200);
        // An existing name, given or generated, replaces that entry and says so.
        listener.append("named", [&]() { sum += 1000; });
        listener.append(a, [&]() { sum += 5000; });
        listener.enable_all_listener(false);
        listener.fire_event(3);
        listener.enable_all_listener(true);
        listener.fire_event(0);
        EXPECT_EQ(sum, 212 + 10 + 1000 + 5000);
        // set and operator= leave exactly one entry.
        listener = [&](int const& v) { sum += v; };
        EXPECT_EQ(listener.set("only", [&]() { sum = -1; }), "only");
        EXPECT_EQ(listener.size(), 1u);
        listener.fire_event(5);
        Listener<gen::NO_PAYLOAD> anonymous;
        anonymous += [&]() { sum = sum == -1 ? 7 : 0; };
        anonymous.fire_event();
        EXPECT_EQ(sum, 7);
        EXPECT_TRUE(log.contains("Listener::append 'named' already appended!"));
        log.clear();
    }
    // Only named listeners log their end.
    EXPECT_EQ(log.texts(), std::vector<std::string>{"Listener::~Listener@lisIniGL"});
}

TEST(Listener, QueuedRunsLaterWithThePayloadAsFiredNotAfterDestructionAndCallbackMayResetOrDestroyItsListener)
{
    Listener<std::string> listener;
    std::vector<std::string> seen;
    listener += [&](std::string const& text) { seen.push_back(text); };
    std::string payload = "first";
    listener.fire_event(payload, FIRE_EVENT::QUEUED);
    payload = "changed";
    EXPECT_TRUE(seen.empty());
    // A listener destroyed before the event loop runs leaves nothing to run.
    auto doomed = std::make_unique<Listener<std::string>>();
    *doomed += [&](std::string const&) { seen.push_back("from a destroyed listener"); };
    doomed->fire_event("x", FIRE_EVENT::QUEUED);
    doomed.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(seen, std::vector<std::string>{"first"});
    // A callback may reset or destroy its listener: callbacks run from a snapshot.
    auto owned = std::make_unique<Listener<int>>();
    int calls = 0;
    *owned += [&](int const&) {
        ++calls;
        owned.reset();  // e.g. a window closing itself from a click handler
    };
    *owned += [&](int const&) { ++calls; };
    owned->fire_event(1);
    EXPECT_TRUE(calls == 2 && owned == nullptr);
    Listener<int> self;
    self += [&](int const&) { self.set("replacement", [&]() { calls += 10; }); };
    self.fire_event(0);
    self.fire_event(0);
    EXPECT_EQ(calls, 12);  // the replacement ran only on the second event
}

