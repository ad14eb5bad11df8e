#pragma once
// The program's settings store on a private folder: a fresh store object
// before a test and a fresh one after it, so no test sees another's cached
// nodes or the user's own settings. Header-only because the support library
// sits below the widget layer; tests that use it link gen::qt.
// Declare it before members that write settings when destroyed (windows), so
// they are gone before the store is reset.

#include "support/TempSettings.h"

#include <gen/qt/GSettings.h>

namespace test {

class TempStore {
public:
    TempStore() { gen::qt::GSettings::reset_instance(); }
    ~TempStore() { gen::qt::GSettings::reset_instance(); }
    TempStore(TempStore const&) = delete;
    TempStore& operator=(TempStore const&) = delete;

    QString folder() const { return location.folder(); }

    TempSettings location;
};

}  // namespace test
