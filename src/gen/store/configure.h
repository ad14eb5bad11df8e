#pragma once
// Start-up of the logger from the command line. Part of the store library
// because reading the level needs the argument parser, which sits above the
// log library.

namespace gen::log {

// Registers the console sink with all columns, stamps the log start and the
// calling thread as the main thread, then takes the level from the argument
// "__log_level" (0 to 4; trace when absent). A rejected command line or an
// out-of-range level prints a line on standard output and leaves the level
// unchanged.
void configure(int argc, char** argv);
void configure();

}  // namespace gen::log
