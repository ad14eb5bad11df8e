#pragma once
// Class tags of main windows: each tag carries its window class's name as a
// compile-time string and a number unique among the live tags of that class.
// The numbers name the windows' nodes in the settings ("CMainWindow_0"), so
// the first window of a class is always 0 and the numbers of destroyed tags
// are handed out again, lowest first, letting a new window take over the
// state of a closed one. GUI thread only: the counters are not locked.

#include <gen/tools/xprintf.h>

#include <QString>

#include <algorithm>
#include <cstddef>
#include <set>

namespace gen::qt {

// A string literal usable as a template argument: WindowClazz<"CWinPlanets">.
template<std::size_t N>
struct FixedString {
    char chars[N] = {};

    constexpr FixedString(char const (&text)[N]) { std::copy_n(text, N, chars); }
    constexpr char const* c_str() const { return chars; }
    constexpr std::size_t size() const { return N - 1; }
};

// What a window keeps of its tag, whatever the class.
class BaseClazz {
public:
    BaseClazz() = default;
    BaseClazz(BaseClazz const&) = delete;
    BaseClazz& operator=(BaseClazz const&) = delete;
    virtual ~BaseClazz() = default;

    virtual QString get_class_name() const = 0;
    virtual int get_id() const = 0;
    // "<class>_<id>".
    QString get_complete_name() const { return QString::fromStdString(str::xprintF(0, "$_$", get_class_name(), get_id())); }
};

template<FixedString Name>
class WindowClazz : public BaseClazz {
public:
    WindowClazz() : id(take_id()) {}
    ~WindowClazz() override
    {
        if (id >= 0) {
            sFreeIds.insert(id);
        }
    }

    QString get_class_name() const override { return QString::fromUtf8(Name.c_str()); }
    int get_id() const override { return id; }

    static inline int sNextId = 0;
    static inline std::set<int> sFreeIds;

private:
    static int take_id()
    {
        if (!sFreeIds.empty()) {
            int const reused = *sFreeIds.begin();
            sFreeIds.erase(sFreeIds.begin());
            return reused;
        }
        return sNextId++;
    }

    int id;
};

}  // namespace gen::qt
