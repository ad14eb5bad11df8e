#pragma once
// Fuzz inputs are mostly damaged: only errors are logged, so the fuzzer's
// own output stays readable and time goes into the code under test.
#include <gen/log/GLog.h>

namespace fuzz {

inline void quiet_log()
{
    static bool const quiet = [] {
        gen::log::set_log_level(gen::log::LEVEL_ERROR);
        return true;
    }();
    (void)quiet;
}

}  // namespace fuzz
