#pragma once
// The program's settings store on a private folder, with a fresh store object
// before and after a test, so no test sees another's cached nodes or the
// user's own settings. Users link gen::qt. Declare it before members that
// write settings when destroyed (windows), so they are gone first.

#include "support/TempSettings.h"

#include <gen/qt/GSettings.h>

namespace test {

class TempStore {
public:
    TempStore() { gen::qt::GSettings::reset_instance(); }
    ~TempStore() { gen::qt::GSettings::reset_instance(); }

    QString folder() const { return location.folder(); }

    TempSettings location;
};

}  // namespace test
