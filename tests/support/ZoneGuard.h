#pragma once
// Sets the process time zone for one test and restores the previous one, so
// local-time results do not depend on the machine.

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace test {

class ZoneGuard {
public:
    explicit ZoneGuard(char const* zone)
    {
        if (char const* old = std::getenv("TZ")) {
            saved = old;
        }
        set(zone);
    }
    ~ZoneGuard() { set(saved ? saved->c_str() : nullptr); }
    ZoneGuard(ZoneGuard const&) = delete;
    ZoneGuard& operator=(ZoneGuard const&) = delete;

private:
    static void set(char const* zone)
    {
        zone != nullptr ? setenv("TZ", zone, 1) : unsetenv("TZ");
        tzset();
    }

    std::optional<std::string> saved;
};

}  // namespace test
