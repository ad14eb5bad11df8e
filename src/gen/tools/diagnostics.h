#pragma once
// The few helpers of this library that report a failure do it through this
// hook, because the log core sits above them (it formats with them). The log
// core installs itself as the reporter when it is initialised; until then, or
// in a program without it, reports go to standard error.

#include <string>

namespace gen::diagnostics {

// Same numbering as the log levels: 0 error ... 4 trace.
enum class Level : int { Error = 0, Warning = 1, Info = 2, Debug = 3, Trace = 4 };

using Reporter = void (*)(Level level, std::string const& text);

// Thread-safe; a null reporter restores the standard-error fallback.
// Returns the reporter it replaces.
Reporter set_reporter(Reporter reporter);
void report(Level level, std::string const& text);

}  // namespace gen::diagnostics
