#include <gen/store/configure.h>

#include <gen/log/GLog.h>
#include <gen/log/LogConsole.h>
#include <gen/log/pp.h>
#include <gen/store/GArgv.h>
#include <gen/store/LogConfigGType.h>

#include <cstdio>

namespace gen::log {

void configure(int argc, char** argv)
{
    gen::store::GArgv arguments;
    arguments.set_arguments(argc, argv);
    start_console_logging();
    if (!arguments.parse()) {
        std::fputs("log::configure, GArgv parser error\n", stdout);
        std::fflush(stdout);
        return;
    }
    QString const key = QStringLiteral("__log_level");
    // Given without a number (or before a negative one, which reads as the
    // next key) the option is a flag, and Qt would turn `true` into level 1.
    if (arguments.values().value(key).metaType() == QMetaType::fromType<bool>()) {
        gen::pp_warn("log::configure, '$' given without a level", key);
        arguments.remove(key);
    }
    // set_log_level refuses values outside 0 to 4 with its own notice.
    set_log_level(arguments.ensure<LOG_LEVEL>(key, LEVEL_TRACE));
}

void configure()
{
    configure(0, nullptr);
}

}  // namespace gen::log
