#pragma once
// Sets the process time zone for one test and restores the previous one, so
// local-time results do not depend on the machine.

#include <cstdlib>
#include <ctime>
#include <string>

namespace test {

class ZoneGuard {
public:
    explicit ZoneGuard(char const* zone)
    {
        if (char const* old = std::getenv("TZ")) {
            saved = old;
            hadZone = true;
        }
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ZoneGuard()
    {
        if (hadZone) {
            setenv("TZ", saved.c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    ZoneGuard(ZoneGuard const&) = delete;
    ZoneGuard& operator=(ZoneGuard const&) = delete;

private:
    std::string saved;
    bool hadZone = false;
};

}  // namespace test
