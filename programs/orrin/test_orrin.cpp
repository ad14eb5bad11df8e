// Program entry. For now the program only brings up its logging and reports
// what it runs on; the windows are built on top of this sequence.

#include <gen/log/GLog.h>
#include <gen/log/LogConsole.h>
#include <gen/log/fatal.h>
#include <gen/log/pp.h>
#include <gen/tools/os.h>

int qMain(int argc, char** argv)
{
    (void)argc;
    (void)argv;
    gen::log::start_console_logging();
    gen::pp_info(gen::str::xprintF(0, "qMain, $ started, build $", gen::os::get_program_name_qs(),
                                   gen::get_build_timestamp()));
    gen::pp(gen::str::xprintF(0, "qMain, os:$, desktop:$, mobile:$", gen::os::get_os_name_qs(),
                              gen::os::is_desktop(), gen::os::is_mobile()));
    gen::pp("qMain, no main window yet, leaving with exit code 0");
    return 0;
}

int main(int argc, char** argv)
{
    return qMain(argc, argv);
}
