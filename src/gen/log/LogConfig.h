#pragma once
// Per-sink log configuration. Four consecutive unsigned 32-bit fields with no
// padding: stored settings keep it as its raw bytes, so the layout is a
// persisted format.

#include <gen/tools/GBits.h>

#include <QString>

#include <cstdint>
#include <type_traits>

namespace gen::log {

struct LogConfig {
    unsigned int digits = 6;
    unsigned int logLevel = 3;
    gen::GBits<unsigned int> logControl;
    unsigned int fontSize = 10;

    // Disabled, all columns but the microsecond fraction (mask 990); on
    // Android a larger font.
    void ini();
    // Enabled with the line number column only.
    void ini_mobile();
    bool is_enabled() const;
    QString to_string() const;
    // Diagnostic dump to standard output.
    void show() const;

    bool operator==(LogConfig const&) const = default;
};

static_assert(sizeof(LogConfig) == 16, "stored as a raw 16-byte image");
static_assert(std::is_trivially_copyable_v<LogConfig>);
static_assert(std::is_standard_layout_v<LogConfig>);

}  // namespace gen::log
