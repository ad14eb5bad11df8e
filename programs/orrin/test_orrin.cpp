// Program entry. For now the program only brings up its logging and reports
// what it runs on; the windows are built on top of this sequence.

#include <gen/log/GLog.h>
#include <gen/log/fatal.h>
#include <gen/log/pp.h>
#include <gen/store/configure.h>
#include <gen/tools/os.h>

int qMain(int argc, char** argv)
{
    // Console sink and the level from "--__log_level N" (trace when absent).
    gen::log::configure(argc, argv);
    gen::pp_info("qMain, $ started, build $", gen::os::get_program_name_qs(), gen::get_build_timestamp());
    gen::pp("qMain, os:$, desktop:$, mobile:$", gen::os::get_os_name_qs(), gen::os::is_desktop(),
            gen::os::is_mobile());
    gen::pp("qMain, no main window yet, leaving with exit code 0");
    return 0;
}

int main(int argc, char** argv)
{
    return qMain(argc, argv);
}
