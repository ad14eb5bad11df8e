#pragma once
// Named callback lists: a component fires its listener with a payload and
// every enabled callback runs, at once or later from the Qt event loop.
// GUI thread only; no locking.

#include <gen/Nameable.h>

#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

namespace gen {

// Payload of events that carry no data.
struct NO_PAYLOAD {};

enum class FIRE_EVENT {
    IMMEDIATE,  // in the caller's stack
    QUEUED,     // posted to the application object, runs from the event loop
};

template<class T>
struct ListenerItem {
    std::function<void(T const&)> fn;
    std::string name;
    bool enabled = true;
    std::function<void()> fnVoid;
};

namespace detail {
// Non-template parts of Listener, in Listener.cpp.
void log_already_appended(std::string const& name);
void log_listener_destroyed(std::string const& name);
std::string random_callback_name();
// Posts `work` to the application's event loop; logs and drops it when no
// application object exists.
void post_to_event_loop(std::function<void()> work);
}  // namespace detail

template<class T>
class Listener : public BaseListener {
    static constexpr bool kHasPayload = !std::is_same_v<T, NO_PAYLOAD>;
    using Items = std::unordered_map<std::string, ListenerItem<T>>;

public:
    using PayloadFn = std::function<void(T const&)>;
    using VoidFn = std::function<void()>;

    Listener() = default;
    explicit Listener(std::string name) : BaseListener(std::move(name)) {}
    Listener(Listener const&) = delete;
    Listener& operator=(Listener const&) = delete;

    ~Listener() override
    {
        if (!name.empty()) {
            detail::log_listener_destroyed(name);
        }
    }

    std::string append(std::string const& key, PayloadFn fn) requires kHasPayload
    {
        return insert(key, ListenerItem<T>{std::move(fn), key, true, {}});
    }
    std::string append(std::string const& key, VoidFn fn)
    {
        return insert(key, ListenerItem<T>{{}, key, true, std::move(fn)});
    }

    std::string set(std::string const& key, PayloadFn fn) requires kHasPayload
    {
        items->clear();
        return append(key, std::move(fn));
    }
    std::string set(std::string const& key, VoidFn fn)
    {
        items->clear();
        return append(key, std::move(fn));
    }

    // Under a generated name, which the caller may keep to replace the entry.
    std::string operator+=(PayloadFn fn) requires kHasPayload { return append(unused_name(), std::move(fn)); }
    std::string operator+=(VoidFn fn) { return append(unused_name(), std::move(fn)); }
    std::string operator=(PayloadFn fn) requires kHasPayload { return set(unused_name(), std::move(fn)); }
    std::string operator=(VoidFn fn) { return set(unused_name(), std::move(fn)); }

    // Runs every enabled entry with `payload`. Queued firing keeps a copy of
    // the payload and does nothing if the listener is gone by then.
    void fire_event(T const& payload, FIRE_EVENT mode = FIRE_EVENT::IMMEDIATE) requires kHasPayload
    {
        fire(payload, mode);
    }
    void fire_event(FIRE_EVENT mode = FIRE_EVENT::IMMEDIATE) requires(!kHasPayload)
    {
        fire(NO_PAYLOAD{}, mode);
    }

    virtual void enable_all_listener(bool on)
    {
        for (auto& entry : *items) {
            entry.second.enabled = on;
        }
    }

    // Drops the entry `key` (as append or += returned it), so a subscriber
    // that goes away before the listener leaves nothing behind. False when
    // there is no such entry. Safe from inside a callback: firing runs from a
    // snapshot.
    bool remove(std::string const& key) { return items->erase(key) != 0; }

    std::size_t size() const { return items->size(); }
    bool empty() const { return items->empty(); }

private:
    std::string insert(std::string const& key, ListenerItem<T> item)
    {
        auto [it, inserted] = items->try_emplace(key, item);
        if (!inserted) {
            detail::log_already_appended(key);
            it->second = std::move(item);
        }
        return key;
    }

    std::string unused_name() const
    {
        std::string candidate = detail::random_callback_name();
        while (items->count(candidate) != 0) {
            candidate = detail::random_callback_name();
        }
        return candidate;
    }

    // Callbacks run from a snapshot, so a callback may change or destroy the
    // listener without invalidating the walk.
    static void run(Items const& current, T const& payload)
    {
        std::vector<ListenerItem<T>> snapshot;
        snapshot.reserve(current.size());
        for (auto const& entry : current) {
            snapshot.push_back(entry.second);
        }
        for (auto const& item : snapshot) {
            if (!item.enabled) {
                continue;
            }
            if (item.fn) {
                item.fn(payload);
            } else if (item.fnVoid) {
                item.fnVoid();
            }
        }
    }

    void fire(T const& payload, FIRE_EVENT mode)
    {
        if (items->empty()) {
            return;
        }
        if (mode == FIRE_EVENT::IMMEDIATE) {
            run(*items, payload);
            return;
        }
        std::weak_ptr<Items> weak = items;
        detail::post_to_event_loop([weak, payload]() {
            if (auto alive = weak.lock()) {
                run(*alive, payload);
            }
        });
    }

    std::shared_ptr<Items> items = std::make_shared<Items>();
};

}  // namespace gen
